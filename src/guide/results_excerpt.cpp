#include "guide/results_excerpt.h"

#include <vector>

#include "guide/html_text.h"

namespace kortiv::guide {
namespace {

constexpr std::size_t kTitleLines = 2;  // the model and date, the heading

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (std::size_t at = 0; at <= text.size();) {
    const std::size_t end = std::min(text.find(separator, at), text.size());
    parts.push_back(text.substr(at, end - at));
    at = end + 1;
  }
  return parts;
}

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \r");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \r") - first + 1);
}

std::string Row(std::string_view line, std::string_view cell) {
  std::string row = "<tr>";
  for (std::string_view value : Split(line, '\t')) {
    row +=
        "<" + std::string(cell) + ">" + EscapeHtml(Trimmed(value)) + "</" + std::string(cell) + ">";
  }
  return row + "</tr>\n";
}

}  // namespace

std::string ResultsTableHtml(std::string_view results_text) {
  std::vector<std::string_view> lines;
  for (std::string_view line : Split(results_text, '\n')) {
    if (!Trimmed(line).empty()) lines.push_back(line);
  }
  if (lines.size() <= kTitleLines + 1) return {};
  std::string html =
      "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n" + Row(lines[kTitleLines], "th");
  for (std::size_t i = kTitleLines + 1; i < lines.size(); ++i) html += Row(lines[i], "td");
  return html + "</table>\n";
}

}  // namespace kortiv::guide
