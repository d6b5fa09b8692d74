#pragma once

#include <string_view>

namespace kortiv {

class Messenger;

inline constexpr std::string_view kBadNumberText = "Вы ввели ошибочное число!";
inline constexpr std::string_view kBadNumberCaption = "Повторите ввод";

struct ParsedNumber {
  float value = 0.0f;
  bool ok = false;
};

// Converts a typed number; both '.' and ',' are taken as the decimal
// separator whatever the system uses. A text that is not a number, or a
// number outside the range of a 32-bit float, gives 0 with ok false.
ParsedNumber ConvertNumber(std::string_view text);

// The box that reports a text that is not a number.
void ReportBadNumber(Messenger& messenger);

// ConvertNumber, reporting a failure in a box.
ParsedNumber ParseNumber(std::string_view text, Messenger& messenger);

}  // namespace kortiv
