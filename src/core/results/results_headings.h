#pragma once

#include <string>
#include <vector>

#include "results/results_kind.h"

namespace kortiv {

// The title of the results table window ("Результаты расчёта ...").
std::string ResultsTitle(ResultsKind kind);

// The heading row of the results table: "   i", the argument, then one
// heading per value column of the control points 1..control_points.
std::vector<std::string> TableHeadings(ResultsKind kind, int control_points, ResultsUnits units);

// The heading line of the results text file, its pieces joined by TABs.
std::string TextHeading(ResultsKind kind, int control_points, ResultsUnits units);

}  // namespace kortiv
