#include "model/style_duplicates.h"

namespace kortiv {
namespace {

constexpr int kPoints = 12;

bool SameMainStyle(const PlotStyleRecord& a, const PlotStyleRecord& b) {
  return a[0] == b[0] && a[1] == b[1] && a[2] == b[2];
}

}  // namespace

std::string DuplicateStyleWarning(const PlotStyles& styles) {
  for (int i = 1; i < kPoints; ++i) {
    for (int j = i + 1; j <= kPoints; ++j) {
      if (SameMainStyle(styles[i], styles[j])) {
        return "Для точек " + std::to_string(i) + " и " + std::to_string(j) +
               " заданы одинаковые настройки! Они будут неразличимы на графике.";
      }
    }
  }
  for (int k = 1; k <= kPoints; ++k) {
    if (styles[k][1] == styles[k][3] && styles[k][2] == styles[k][4]) {
      return "Для точки " + std::to_string(k) +
             " заданы одинаковые настройки для вывода ФЧХ и АЧХ в одних осях! Они будут "
             "неразличимы на графике.";
    }
  }
  return {};
}

}  // namespace kortiv
