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

// The label of row `column` (1..values per point × control points) of the
// extremes page: the control point, the suffix of its value and ":", as
// "1 :" or "2 (ФЧХ):".
std::string ExtremesLabel(ResultsKind kind, int column);

// The control point whose value stands in result column `column` (1-based).
int ControlPointOfColumn(ResultsKind kind, int column);

}  // namespace kortiv
