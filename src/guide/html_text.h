#pragma once

#include <string>
#include <string_view>

namespace kortiv::guide {

// The text with the characters that HTML gives a meaning (& < > ") escaped.
std::string EscapeHtml(std::string_view text);

// A message text as the guide shows it: escaped, with the parts in braces
// ("Файл {имя файла} не удаётся открыть.") in italics, as the places where
// the program puts a name or a number, and line breaks kept.
std::string MessageHtml(std::string_view text);

// The reverse of what a browser shows: tags dropped, the five entities the
// guide uses decoded, runs of white space made one blank.
std::string PlainText(std::string_view html);

}  // namespace kortiv::guide
