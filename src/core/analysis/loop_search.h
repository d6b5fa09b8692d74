#pragma once

#include <vector>

namespace kortiv {

class Messenger;
class Scheme;
struct ChainGraph;

// A loop or contour: 1-based row numbers of its member chains.
using Loop = std::vector<int>;

// The contours among rows [P0, Q) of the graph, in the order of their first
// row, each with its members in the order the calculation's sorting starts
// from.
//
// A contour is a strongly connected part of the rows from P0 on that holds a
// summator or multiplier row of [P0, Q) (only those rows have more than one
// input, so every chain of such a part lies on an elementary cycle through
// one of them). Its members are listed as if every elementary cycle had been
// walked backwards along the inputs from each summator row in row order: the
// members of the first cycle met that holds the contour's first row, then
// every other member in the order the cycles first meet it. Walking every
// cycle would take time exponential in the number of forks that join again;
// the walk here only enters a branch that can still close a cycle and still
// reach a member not yet met, which keeps the order and stays polynomial on
// the schemes people draw.
std::vector<Loop> FindContourMembers(const ChainGraph& graph, const Scheme& scheme,
                                     Messenger& messenger, int P0, int Q);

}  // namespace kortiv
