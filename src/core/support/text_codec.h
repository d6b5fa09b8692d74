#pragma once

#include <string>
#include <string_view>

namespace kortiv {

// Files of the system keep texts in the Windows-1251 code page; inside the
// program every text is UTF-8. Characters that the other side cannot hold
// become '?'.
std::string Utf8ToCp1251(std::string_view utf8);
std::string Cp1251ToUtf8(std::string_view cp1251);

// `utf8` without its last `count` characters (not bytes).
std::string_view DropLastCharacters(std::string_view utf8, int count);

}  // namespace kortiv
