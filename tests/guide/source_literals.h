#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kortiv::test {

// The string literals of a C++ source as the compiler sees them: comments
// and character literals skipped, adjacent literals joined, the escapes \n,
// \t, \" and \\ decoded.
inline std::vector<std::string> StringLiterals(std::string_view source) {
  std::vector<std::string> literals;
  bool joinable = false;  // only blanks and comments since the last literal
  for (std::size_t i = 0; i < source.size(); ++i) {
    const char c = source[i];
    if (source.substr(i, 2) == "//") {
      i = source.find('\n', i);
      if (i == std::string_view::npos) break;
      continue;
    }
    if (source.substr(i, 2) == "/*") {
      i = source.find("*/", i + 2);
      if (i == std::string_view::npos) break;
      ++i;
      continue;
    }
    if (c == '\'') {  // '"' must not open a string
      for (++i; i < source.size() && source[i] != '\''; ++i) {
        if (source[i] == '\\') ++i;
      }
      joinable = false;
      continue;
    }
    if (c == '"') {
      std::string text;
      for (++i; i < source.size() && source[i] != '"'; ++i) {
        if (source[i] == '\\' && i + 1 < source.size()) {
          const char escaped = source[++i];
          text += escaped == 'n' ? '\n' : escaped == 't' ? '\t' : escaped;
        } else {
          text += source[i];
        }
      }
      if (joinable && !literals.empty()) {
        literals.back() += text;
      } else {
        literals.push_back(text);
      }
      joinable = true;
      continue;
    }
    if (c != ' ' && c != '\n' && c != '\r' && c != '\t') joinable = false;
  }
  return literals;
}

}  // namespace kortiv::test
