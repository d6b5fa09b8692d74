#include "results/results_headings.h"

#include <array>
#include <string_view>

namespace kortiv {
namespace {

// Heading pieces of one kind of results. In the value pieces {v} is the
// control point, {v1} the next one (the y of a phase portrait), {w} "f" or
// "w" and {u} the unit of phase. A kind without a second piece shows one
// value per control point; a phase portrait pairs odd and even points.
struct HeadingPieces {
  std::string_view title;
  std::string_view table_argument_radians;
  std::string_view table_argument_hertz;
  std::string_view table_first;
  std::string_view table_second;
  std::string_view text_argument_radians;
  std::string_view text_argument_hertz;
  std::string_view text_first;
  std::string_view text_second;
};

constexpr std::string_view kFrequencyTitle = "Результаты расчёта частотных характеристик";

// In the order of ResultsKind.
constexpr std::array<HeadingPieces, 6> kPieces{{
    {"Результаты расчёта в контрольных точках vp", "      t", "      t", "     vp={v}", "",
     "\t   t    ", "\t   t    ", "\t vp={v}   ", ""},
    {"Результаты расчёта фазового портрета", "      t", "      t", "   x(vp={v})", "   y(vp={v1})",
     "\t   t    ", "\t   t    ", "\t x(vp={v})", "\t y(vp={v1})"},
    {"Результаты расчёта годографа F(jw)=U(w)+jV(w)", "    w, рад/с", "     f, Гц", "   U{v}({w})",
     "   V{v}({w})", "\t    w,рад/с", "\t    f, Гц ", "\t  U{v}({w})  ", "\t  V{v}({w})  "},
    {kFrequencyTitle, "    w, рад/с", "     f, Гц", "   A{v}({w})", "   fi{v}({w}), {u}",
     "\t    w,рад/с", "\t    f, Гц", "\t  A{v}({w})  ", "\t fi{v}({w}), {u}"},
    {kFrequencyTitle, "    lg {w}", "    lg {w}", "   A{v}(lg {w})", "   fi{v}(lg {w}), {u}",
     "\t  lg {w}  ", "\t  lg {w}  ", "\t  A{v}(lg {w})", "\t fi{v}(lg {w}), {u}"},
    {kFrequencyTitle, "    lg {w}", "    lg {w}", "  L{v}(lg {w}), дБ", "   fi{v}(lg {w}), {u}",
     "\t  lg {w}  ", "\t  lg {w}  ", "\t  L{v}(lg {w}), дБ", "\t fi{v}(lg {w}), {u}"},
}};

const HeadingPieces& PiecesOf(ResultsKind kind) {
  return kPieces[static_cast<int>(kind)];
}

void Replace(std::string& text, std::string_view key, std::string_view value) {
  for (auto at = text.find(key); at != std::string::npos; at = text.find(key, at + value.size())) {
    text.replace(at, key.size(), value);
  }
}

std::string Fill(std::string_view pattern, int v, ResultsUnits units) {
  std::string text(pattern);
  Replace(text, "{v1}", std::to_string(v + 1));
  Replace(text, "{v}", std::to_string(v));
  Replace(text, "{w}", units.hertz ? "f" : "w");
  Replace(text, "{u}", units.degrees ? "гр" : "рад");
  return text;
}

// The value headings in column order.
std::vector<std::string> ValueHeadings(ResultsKind kind, std::string_view first,
                                       std::string_view second, int control_points,
                                       ResultsUnits units) {
  std::vector<std::string> headings;
  const int v_step = kind == ResultsKind::kPhasePortrait ? 2 : 1;
  for (int v = 1; v + v_step - 1 <= control_points; v += v_step) {
    headings.push_back(Fill(first, v, units));
    if (!second.empty()) headings.push_back(Fill(second, v, units));
  }
  return headings;
}

}  // namespace

std::string ResultsTitle(ResultsKind kind) {
  return std::string(PiecesOf(kind).title);
}

std::vector<std::string> TableHeadings(ResultsKind kind, int control_points, ResultsUnits units) {
  const HeadingPieces& pieces = PiecesOf(kind);
  std::vector<std::string> headings{
      "   i",
      Fill(units.hertz ? pieces.table_argument_hertz : pieces.table_argument_radians, 0, units)};
  for (auto& heading :
       ValueHeadings(kind, pieces.table_first, pieces.table_second, control_points, units)) {
    headings.push_back(std::move(heading));
  }
  return headings;
}

std::string TextHeading(ResultsKind kind, int control_points, ResultsUnits units) {
  const HeadingPieces& pieces = PiecesOf(kind);
  std::string line =
      "   i" +
      Fill(units.hertz ? pieces.text_argument_hertz : pieces.text_argument_radians, 0, units);
  for (const auto& heading :
       ValueHeadings(kind, pieces.text_first, pieces.text_second, control_points, units)) {
    line += heading;
  }
  return line;
}

int ControlPointOfColumn(ResultsKind kind, int column) {
  return IsFrequencyKind(kind) ? (column + 1) / 2 : column;
}

std::string ExtremesLabel(ResultsKind kind, int column) {
  const bool first_value = !IsFrequencyKind(kind) || column % 2 == 1;
  std::string_view suffix = " ";
  switch (kind) {
    case ResultsKind::kFrequencyLinear:
    case ResultsKind::kFrequencyLg:
      suffix = first_value ? " (АЧХ)" : " (ФЧХ)";
      break;
    case ResultsKind::kFrequencyLgDb:
      suffix = first_value ? " (ЛЧХ)" : " (ФЧХ)";
      break;
    case ResultsKind::kHodograph:
      suffix = first_value ? " (U)" : " (V)";
      break;
    case ResultsKind::kTimeRun:
    case ResultsKind::kPhasePortrait:
      break;
  }
  return std::to_string(ControlPointOfColumn(kind, column)) + std::string(suffix) + ":";
}

}  // namespace kortiv
