#pragma once

#include <chrono>
#include <string>
#include <string_view>

namespace kortiv {

// Panels of the main window's status bar.
inline constexpr int kPhasePanel = 0;
inline constexpr int kDurationPanel = 1;
inline constexpr int kSparePanel = 2;

inline constexpr std::string_view kCalculatingText = "Идёт расчёт схемы";
inline constexpr std::string_view kCalculatedText = "Расчёт схемы завершён.";
inline constexpr std::string_view kInterruptedText = "Расчёт схемы прерван.";

// "Продолжительность расчёта: " and the time in hours, minutes and seconds
// ("0:01:05").
std::string DurationText(std::chrono::steady_clock::duration elapsed);

// "Идёт расчёт схемы: " and the percentage, given in tenths, with one
// decimal ("Идёт расчёт схемы: 50.0%").
std::string ProgressText(long long tenths_of_percent, char decimal_separator);

}  // namespace kortiv
