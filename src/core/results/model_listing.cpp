#include "results/model_listing.h"

#include <map>
#include <string_view>

#include "model/catalogue.h"
#include "model/scheme.h"
#include "model/stored_integer.h"
#include "support/number_format.h"

namespace kortiv {
namespace {

// Parameter texts by element code: {k} is parameter k in general format,
// [k] parameter k as a whole number, '\n' a line break.
const std::map<int, std::string_view>& ParameterPatterns() {
  static const std::map<int, std::string_view> patterns{
      {100, "амплитуда A={0}; частота w={1} рад/с."},
      {101, "высота ступеньки A={0}; задержка Т={1} с."},
      {102, "наклон k={0}; задержка Т={1} с."},
      {103, "амплитуда A={0}; частота w={1} рад/с; фаза f={2} рад."},
      {104, "амплитуда A={0}; задержка Т={1} с; ширина импульса Ti={2} с."},
      {105, "амплитуда A={0}; период Т={1} с."},
      {106, "амплитуда A={0}; период Т={1} с."},
      {107,
       "амплитуда A={0}; число импульсов n=[1];\nзадержка Т={2} с; длительность импульса Ti={3} "
       "с."},
      {108, "амплитуда A={0}; период Т={1} с."},
      {109, "мощность P={0} Вт."},
      {110, "амплитуда A={0}; длительность импульса Ti={1} с; период Т={2} с."},
      {111, "амплитуда A={0}; длительность переднего фронта Ti={1} с; период Т={2} с."},
      {200, "коэффициент передачи k={0}."},
      {201, "постоянная интегрирования Ti={0} с; начальное значение y(0)={1}."},
      {202, "постоянная дифференцирования Td={0} с."},
      {203, "величина времени запаздывания T={0} с."},
      {204,
       "коэффициент передачи k={0}; постоянная времени T={1} с;\nначальное значение y(0)={2}."},
      {205, "коэффициент передачи k={0}; постоянная времени Ti={1} с."},
      {206,
       "коэффициент передачи k={0}; постоянная времени T={1} с;\nначальное значение y(0)={2}."},
      {207,
       "коэффициент передачи k={0}; постоянные времени: Td={1} с, Ti={2} с;\nначальное значение "
       "y(0)={3}."},
      {208,
       "коэффициент передачи k={0}; постоянная времени T={1} с;\nначальные значения: y(0)={2} , "
       "y'(0)={3}."},
      {209,
       "коэффициент передачи k={0}; постоянная времени T={1} с;\nначальные значения: y(0)={2} , "
       "y'(0)={3}."},
      {210,
       "коэффициент передачи k={0}; постоянные времени: T1={1} с , T2={2} с;\nначальные значения: "
       "y(0)={3} , y'(0)={4}."},
      {211,
       "коэффициент передачи k={0}; постоянная времени T={1} с,\nкоэффициент затухания d={2} с; "
       "начальные значения: y(0)={3} , y'(0)={4}."},
      {213,
       "коэффициент передачи k={0}; постоянные времени: Ti={1} с, Td={2} с;\nначальное значение "
       "y(0)={3}."},
      {214,
       "коэффициент передачи k={0}; постоянные времени: Ti={1} с, Td={2} с;\nначальное значение "
       "y(0)={3}."},
      {300, "верхний предел A={0}; нижний предел B={1}; коэффициент k={2}."},
      {301, "левая граница а1={0}; правая граница а2={1}; коэффициент k={2}."},
      {302,
       "нижний предел В={0}; левая граница а1={1}; правая граница а2={2};\nверхний предел А={3}; "
       "коэффициент k={4}."},
      {303, "полулюфт а={0}; коэффициент k={1}; начальное значение y(0)={2}."},
      {304,
       "нижний предел В={0}; верхний предел А={1}; полулюфт а={2},\nкоэффициент k={3}; начальное "
       "значение y(0)={4}."},
      {305, "нижнее значение В={0}; верхнее значение А={1}."},
      {306,
       "нижнее значение В={0}; верхнее значение А={1},\nлевая граница а1={2}; правая граница "
       "а2={3}."},
      {307,
       "нижнее значение В={0}; верхнее значение А={1},\nлевая граница а1={2}; правая граница "
       "а2={3},\nначальное значение y(0)={4}."},
      {308,
       "первая левая граница а1={0}; первая правая граница а2={1},\nвторая левая граница а3={2}; "
       "вторая правая граница а4={3},\nначальное значение y(0)={4}."},
      {503, "показатель степени a={0}."},
      {506, "коэффициент a={0}."},
  };
  return patterns;
}

// Reads an element's parameters for its text.
class ParameterReader {
 public:
  ParameterReader(const Scheme& scheme, int n, char separator)
      : scheme_(scheme), n_(n), separator_(separator) {}

  std::string Number(int k) const {
    return FormatGeneral(scheme_.ElementParam(n_, k), 6, 3, separator_);
  }
  int Whole(int k) const { return ReadStoredInteger(scheme_.ElementParam(n_, k)); }

 private:
  const Scheme& scheme_;
  int n_;
  char separator_;
};

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines(1);
  for (char c : text) {
    if (c == '\n') {
      lines.emplace_back();
    } else {
      lines.back() += c;
    }
  }
  return lines;
}

std::string FillPattern(std::string_view pattern, const ParameterReader& p) {
  std::string text;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const bool marker = (pattern[i] == '{' || pattern[i] == '[') && i + 2 < pattern.size() &&
                        pattern[i + 1] >= '0' && pattern[i + 1] <= '9';
    if (!marker) {
      text += pattern[i];
      continue;
    }
    const int k = pattern[i + 1] - '0';
    text += pattern[i] == '{' ? p.Number(k) : std::to_string(p.Whole(k));
    i += 2;
  }
  return text;
}

std::string_view Pick(int index, std::initializer_list<std::string_view> texts) {
  if (index < 0 || index >= static_cast<int>(texts.size())) return {};
  return texts.begin()[index];
}

std::vector<std::string> SweepGeneratorText(const ParameterReader& p) {
  return {
      "минимальная частота (10^m,1/c) m=" + std::to_string(p.Whole(0)) +
          ", максимальная частота (10^n,1/c) n=" + std::to_string(p.Whole(1)) + ",",
      std::to_string(p.Whole(4)) + " точек отсчёта на декаду, " +
          std::string(Pick(p.Whole(2), {"АЧХ, ", "ФЧХ, ", "АЧХ+ФЧХ, ", "годограф, "})) +
          "масштаб " +
          std::string(Pick(p.Whole(3), {"линейный.", "полулогарифмический.", "логарифмический."}))};
}

// Lays out items "name=value" with `between` after each but the last and
// `after_last` after that one, `per_line` items to a line.
void AppendItems(std::vector<std::string>& lines, const std::vector<std::string>& items,
                 int per_line, std::string_view after_last) {
  std::string line;
  for (std::size_t i = 0; i < items.size(); ++i) {
    line += items[i];
    line += i + 1 < items.size() ? std::string_view(",  ") : after_last;
    if ((i + 1) % per_line == 0) {
      lines.push_back(std::move(line));
      line.clear();
    }
  }
  if (!line.empty()) lines.push_back(std::move(line));
}

std::vector<std::string> Coefficients(const ParameterReader& p, char letter, int first, int order) {
  std::vector<std::string> items;
  for (int k = 0; k <= order; ++k) {
    items.push_back(std::string(1, letter) + std::to_string(k) + "=" + p.Number(first + k));
  }
  return items;
}

std::vector<std::string> GeneralLinearText(const ParameterReader& p) {
  const int m = p.Whole(0);
  const int n = p.Whole(1);
  std::vector<std::string> lines{"порядок числителя m=" + std::to_string(m) +
                                     ", порядок знаменателя n=" + std::to_string(n) + ";",
                                 "коэффициенты числителя:"};
  const int numerator = 2;
  const int denominator = numerator + m + 1;
  AppendItems(lines, Coefficients(p, 'b', numerator, m), 6, ";");
  lines.push_back("коэффициенты знаменателя:");
  if (n == 0) {
    lines.push_back("a0=" + p.Number(denominator) + ".");
    return lines;
  }
  AppendItems(lines, Coefficients(p, 'a', denominator, n), 6, ";");
  lines.push_back("начальные условия:");
  const int initial = denominator + n + 1;
  if (n == 1) {
    lines.push_back("y(0)=" + p.Number(initial) + ".");
    return lines;
  }
  std::vector<std::string> items;
  for (int i = 0; i < n; ++i) {
    items.push_back("y(" + std::to_string(i) + ")(0)=" + p.Number(initial + i));
  }
  AppendItems(lines, items, 5, ".");
  return lines;
}

std::string IntervalLine(const Scheme& scheme, char separator) {
  const auto number = [separator](float value) { return FormatGeneral(value, 5, 2, separator); };
  return "Интервал интегрирования от " + number(scheme.T0()) + " до " + number(scheme.Tk()) +
         " с шагом " + number(scheme.H()) + ".";
}

constexpr int kLastLinkCode = 99;

}  // namespace

std::vector<std::string> ParameterText(const Scheme& scheme, int n, char decimal_separator) {
  const ParameterReader p(scheme, n, decimal_separator);
  const int code = scheme.GetCode(n);
  if (code == kSweepGeneratorCode) return SweepGeneratorText(p);
  if (code == kGeneralLinearCode) return GeneralLinearText(p);
  const auto pattern = ParameterPatterns().find(code);
  if (pattern == ParameterPatterns().end()) return {};
  return SplitLines(FillPattern(pattern->second, p));
}

std::vector<ListingLine> ModelListing(const Scheme& scheme, char decimal_separator) {
  using Column = ListingLine::Column;
  std::vector<ListingLine> lines{{Column::kHeading, "Параметры модели:"},
                                 {Column::kFirst, IntervalLine(scheme, decimal_separator)}};
  for (int n = 1; n <= scheme.ElementCount(); ++n) {
    const int code = scheme.GetCode(n);
    if (code <= kLastLinkCode) continue;
    const Cell cell = scheme.GetCellPosition(n);
    lines.push_back({Column::kFirst, ElementName(code) + " (" + std::to_string(cell.row) + ";" +
                                         std::to_string(cell.column) + "):"});
    if (scheme.GetParamCount(n) == 0) continue;
    if (scheme.GetParamAddress(n) <= 0) {
      lines.push_back({Column::kSecond, "параметры не заданы."});
      continue;
    }
    for (auto& text : ParameterText(scheme, n, decimal_separator)) {
      lines.push_back({Column::kSecond, std::move(text)});
    }
  }
  return lines;
}

}  // namespace kortiv
