#pragma once

#include <string>
#include <vector>

#include "series/run_state.h"
#include "results/results_kind.h"

namespace kortiv {

// A block of the printed results listing: control points first..last, whose
// values stand in the columns 1, 2, ... right of the argument.
struct ListingBlock {
  int first = 1;
  int last = 1;
};

// The control points in blocks of 6 (time runs and phase portraits) or 3
// (frequency runs, two columns each).
std::vector<ListingBlock> ListingBlocks(ResultsKind kind, int control_points);

// The texts of one line of a block: the point (or "    i") at X1, the
// argument heading at XA (empty on point lines: the argument follows the
// point number), then the value columns j = 1, 2, ... at XA + XS·j.
struct ListingRow {
  std::string point;
  std::string argument;
  std::vector<std::string> values;
};

ListingRow ListingHeading(ResultsKind kind, ResultsUnits units, const ListingBlock& block);

// Point p of the block, every number in exponent form with 5 significant
// digits, values not below zero preceded by a space.
ListingRow ListingPointRow(const RunState& run, const ListingBlock& block, int p,
                           char decimal_separator = '.');

}  // namespace kortiv
