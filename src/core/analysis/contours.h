#pragma once

#include <vector>

namespace kortiv {

class Messenger;
class Scheme;
struct ChainGraph;

// A loop: the 1-based row numbers of its member chains, the start chain
// first, then along the inputs (each member reads the next one, the last
// reads the start chain).
using Loop = std::vector<int>;

// Finds the feedback loops among rows [P0, Q) of the graph, merges loops
// that share a chain into contours, sets C and puts a header row in front of
// each contour's chain rows.
void FindContours(ChainGraph& graph, const Scheme& scheme, Messenger& messenger, int P0, int Q);

// Depth-first search backwards along the inputs from row x: every
// elementary cycle through the start chain path[0] that stays among the rows
// numbered from `bound` on (1-based) is added to `loops`. `path` is the way
// from the start chain to x.
void All_Loops_Finding(const ChainGraph& graph, Messenger& messenger, int x, int bound, Loop& path,
                       std::vector<Loop>& loops);

// Puts one header row in front of each contour (contour i gets number i + 1)
// and gathers the contour's chain rows behind it in the order of its list.
void InsertContourHeaders(ChainGraph& graph, std::vector<Loop>& contours);

}  // namespace kortiv
