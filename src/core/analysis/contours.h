#pragma once

#include <vector>

#include "analysis/loop_search.h"

namespace kortiv {

class Messenger;
class Scheme;
struct ChainGraph;

// Finds the feedback loops among rows [P0, Q) of the graph, merges loops
// that share a chain into contours, sets C and puts a header row in front of
// each contour's chain rows.
void FindContours(ChainGraph& graph, const Scheme& scheme, Messenger& messenger, int P0, int Q);

// Puts one header row in front of each contour (contour i gets number i + 1)
// and gathers the contour's chain rows behind it in the order of its list.
void InsertContourHeaders(ChainGraph& graph, std::vector<Loop>& contours);

}  // namespace kortiv
