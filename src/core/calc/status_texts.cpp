#include "calc/status_texts.h"

#include <cstdio>

namespace kortiv {

std::string DurationText(std::chrono::steady_clock::duration elapsed) {
  const long long seconds = std::chrono::duration_cast<std::chrono::seconds>(elapsed).count();
  char clock[32];
  std::snprintf(clock, sizeof clock, "%lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60,
                seconds % 60);
  return std::string("Продолжительность расчёта: ") + clock;
}

std::string ProgressText(long long tenths_of_percent, char decimal_separator) {
  return std::string(kCalculatingText) + ": " + std::to_string(tenths_of_percent / 10) +
         decimal_separator + std::to_string(tenths_of_percent % 10) + "%";
}

}  // namespace kortiv
