#pragma once

namespace kortiv {

class Messenger;
class Scheme;
struct ChainGraph;

// n!, saturating at kSortingLimitCap so that long runs stay bounded.
inline constexpr long kSortingLimitCap = 40320;  // 8!
long SaturatingFactorial(int n);

// Sorts the inputs of every row in [first, last] with two inputs or more by
// their absolute value (stable).
void OrderLinks(ChainGraph& graph, int first, int last);

// One sorting pass over rows [P0, last] (the region with its contour
// headers). Sets the graph-built flag, makes at most one move and then
// clears the flag again; returns whether it moved something and wants
// another pass.
bool Big_Sorting(ChainGraph& graph, const Scheme& scheme, Messenger& messenger, int P0, int last);

// Orders the chain rows [f, l] of one contour: the chains that take an input
// from outside the contour first, each group by Sorting_in_group.
void LoopChain_Sorting(ChainGraph& graph, const Scheme& scheme, Messenger& messenger, int f, int l);

// Moves each row of [b, e] behind the rows of the range it reads, as far as
// the move limit (e - b + 1)! allows.
void Sorting_in_group(ChainGraph& graph, Messenger& messenger, int b, int e);

}  // namespace kortiv
