#include "results/results_listing.h"

#include <algorithm>

#include "support/number_format.h"

namespace kortiv {
namespace {

std::string Number(float value, char separator) {
  return FormatExponent(value, 5, 2, separator);
}

std::string ArgumentHeading(ResultsKind kind, const std::string& w) {
  switch (kind) {
    case ResultsKind::kTimeRun:
    case ResultsKind::kPhasePortrait:
      return "     t";
    case ResultsKind::kHodograph:
      return "     " + w;
    case ResultsKind::kFrequencyLinear:
      return "      " + w;
    case ResultsKind::kFrequencyLg:
    case ResultsKind::kFrequencyLgDb:
      return "   lg " + w;
  }
  return {};
}

// The two value headings of control point v in a frequency run.
std::pair<std::string, std::string> FrequencyHeadings(ResultsKind kind, int v, const std::string& w,
                                                      const std::string& u) {
  const std::string n = std::to_string(v);
  switch (kind) {
    case ResultsKind::kHodograph:
      return {"   U" + n + "(" + w + ")", "   V" + n + "(" + w + ")"};
    case ResultsKind::kFrequencyLgDb:
      return {"   L" + n + "(lg " + w + "), дБ", "   fi" + n + "(lg " + w + "), " + u};
    case ResultsKind::kFrequencyLg:
      return {"   A" + n + "(lg " + w + ")", "   fi" + n + "(lg " + w + "), " + u};
    default:
      return {"   A" + n + "(" + w + ")", "   fi" + n + "(" + w + "), " + u};
  }
}

// The point number behind six, four, two or no spaces.
std::string PointNumber(int p) {
  const std::string digits = std::to_string(p);
  const int pad = std::max(0, 2 * (4 - static_cast<int>(digits.size())));
  return std::string(static_cast<std::size_t>(pad), ' ') + digits;
}

}  // namespace

std::vector<ListingBlock> ListingBlocks(ResultsKind kind, int control_points) {
  const int size = IsFrequencyKind(kind) ? 3 : 6;
  std::vector<ListingBlock> blocks;
  for (int first = 1; first <= control_points; first += size) {
    blocks.push_back({first, std::min(first + size - 1, control_points)});
  }
  return blocks;
}

ListingRow ListingHeading(ResultsKind kind, ResultsUnits units, const ListingBlock& block) {
  const std::string w = units.hertz ? "f" : "w";
  const std::string u = units.degrees ? "гр" : "рад";
  ListingRow row{"    i", ArgumentHeading(kind, w), {}};
  for (int v = block.first; v <= block.last; ++v) {
    if (IsFrequencyKind(kind)) {
      auto [first, second] = FrequencyHeadings(kind, v, w, u);
      row.values.push_back(std::move(first));
      row.values.push_back(std::move(second));
    } else if (kind == ResultsKind::kPhasePortrait) {
      const bool abscissa = (v - block.first) % 2 == 0;
      row.values.push_back(abscissa ? "   x(vp=" + std::to_string(v) + ")"
                                    : "   y(vp=" + std::to_string(v) + ")");
    } else {
      row.values.push_back("    vp=" + std::to_string(v));
    }
  }
  return row;
}

ListingRow ListingPointRow(const RunState& run, const ListingBlock& block, int p,
                           char decimal_separator) {
  ListingRow row{PointNumber(p) + "   " + Number(run.Moment(p), decimal_separator), {}, {}};
  const int per_point = run.PerPoint();
  const int first_entry = 1 + per_point * (block.first - 1);
  const int last_entry = per_point * block.last;
  for (int entry = first_entry; entry <= last_entry; ++entry) {
    const float value = run.result_store[static_cast<std::size_t>(run.RowWidth()) * p + entry];
    row.values.push_back((value < 0 ? "" : " ") + Number(value, decimal_separator));
  }
  return row;
}

}  // namespace kortiv
