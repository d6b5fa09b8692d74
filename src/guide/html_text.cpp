#include "guide/html_text.h"

#include <array>
#include <utility>

namespace kortiv::guide {
namespace {

constexpr std::array<std::pair<std::string_view, char>, 5> kEntities{
    {{"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&#39;", '\''}}};

bool IsSpace(char c) {
  return c == ' ' || c == '\n' || c == '\r' || c == '\t';
}

// Tags inside a line of text: they separate no words.
bool IsInlineTag(std::string_view tag) {
  constexpr std::array<std::string_view, 10> kInline{"a",    "b",   "i",   "em", "code",
                                                     "span", "sub", "sup", "tt", "strong"};
  const std::size_t start = tag.starts_with('/') ? 1 : 0;
  const std::size_t end = tag.find_first_of(" />", start);
  const std::string_view name = tag.substr(start, end - start);
  for (std::string_view known : kInline) {
    if (name == known) return true;
  }
  return false;
}

}  // namespace

std::string EscapeHtml(std::string_view text) {
  std::string html;
  html.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&':
        html += "&amp;";
        break;
      case '<':
        html += "&lt;";
        break;
      case '>':
        html += "&gt;";
        break;
      case '"':
        html += "&quot;";
        break;
      default:
        html += c;
    }
  }
  return html;
}

std::string MessageHtml(std::string_view text) {
  std::string html;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t open = text.find('{', i);
    const std::size_t close = open == std::string_view::npos ? open : text.find('}', open);
    if (close == std::string_view::npos) {
      html += EscapeHtml(text.substr(i));
      break;
    }
    html += EscapeHtml(text.substr(i, open - i));
    html += "<i>" + EscapeHtml(text.substr(open + 1, close - open - 1)) + "</i>";
    i = close + 1;
  }
  std::string kept;
  for (char c : html) kept += c == '\n' ? std::string("<br>") : std::string(1, c);
  return kept;
}

std::string PlainText(std::string_view html) {
  std::string text;
  for (std::size_t i = 0; i < html.size(); ++i) {
    const char c = html[i];
    if (c == '<') {
      const std::size_t close = html.find('>', i);
      if (close == std::string_view::npos) break;
      // A block tag ends a line of text as a browser shows it.
      if (!IsInlineTag(html.substr(i + 1, close - i - 1)) && !text.empty() && text.back() != ' ') {
        text += ' ';
      }
      i = close;
      continue;
    }
    char decoded = c;
    if (c == '&') {
      for (const auto& [entity, character] : kEntities) {
        if (html.substr(i, entity.size()) == entity) {
          decoded = character;
          i += entity.size() - 1;
          break;
        }
      }
    }
    if (IsSpace(decoded)) {
      if (!text.empty() && text.back() != ' ') text += ' ';
    } else {
      text += decoded;
    }
  }
  if (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

}  // namespace kortiv::guide
