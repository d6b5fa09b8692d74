#include "guide/element_reference.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "guide/html_text.h"
#include "model/catalogue.h"
#include "params/parameter_layout.h"

namespace kortiv::guide {
namespace {

// A value as the guide prints it: up to six significant digits and the
// decimal comma of Russian texts.
std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6g", value);
  std::string shown = text;
  std::replace(shown.begin(), shown.end(), '.', ',');
  if (shown.starts_with('-')) shown = "−" + shown.substr(1);
  return shown;
}

// The caption without the colon the dialog puts after it.
std::string Caption(std::string_view caption) {
  std::string text(caption);
  while (!text.empty() && (text.back() == ':' || text.back() == ' ')) text.pop_back();
  return EscapeHtml(text);
}

const ParameterLayout* LayoutOf(int code) {
  for (const ParameterLayout& layout : ParameterLayouts()) {
    if (std::find(layout.codes.begin(), layout.codes.end(), code) != layout.codes.end()) {
      return &layout;
    }
  }
  return nullptr;
}

std::string DefaultOf(const ParameterLayout& layout, const LayoutControl& control) {
  if (control.value < 0 || control.value >= static_cast<int>(layout.defaults.size())) return "";
  const double value = layout.defaults[control.value];
  if (!control.items.empty()) {
    const auto item = static_cast<std::size_t>(value);
    return item < control.items.size() ? "«" + EscapeHtml(control.items[item]) + "»" : "";
  }
  return Number(value);
}

std::string RangeOf(const LayoutControl& control) {
  if (!control.items.empty()) {
    std::string choices;
    for (std::string_view item : control.items) {
      choices += (choices.empty() ? "" : "; ") + std::string("«") + EscapeHtml(item) + "»";
    }
    return "выбор: " + choices;
  }
  if (control.limits) {
    return "целое от " + std::to_string(control.limits->min) + " до " +
           std::to_string(control.limits->max);
  }
  return control.integer ? "целое" : "";
}

// Whether any control has limits or choices of its own to show.
bool HasRanges(const ParameterLayout& layout) {
  return std::any_of(layout.controls.begin(), layout.controls.end(), [](const LayoutControl& c) {
    return c.control == ControlId::kStringGridPar || !RangeOf(c).empty();
  });
}

std::string ParameterRows(const ParameterLayout& layout) {
  const bool ranges = HasRanges(layout);
  std::string rows;
  for (const LayoutControl& control : layout.controls) {
    if (control.control == ControlId::kStringGridPar) {
      rows +=
          "<tr><td>Таблица коэффициентов b<sub>i</sub>, a<sub>i</sub> и начальных "
          "условий y<sup>(i)</sup>(0)</td><td>0</td><td>по одной строке на i = 0 … "
          "max(m, n)</td></tr>\n";
      continue;
    }
    const bool derived = control.value < 0;
    rows += "<tr><td>" + Caption(control.caption) + "</td><td>" +
            (derived ? std::string("вычисляется кнопкой «") + EscapeHtml(layout.apply_caption) + "»"
                     : DefaultOf(layout, control)) +
            (ranges ? "</td><td>" + RangeOf(control) : std::string()) + "</td></tr>\n";
  }
  return rows;
}

std::string ParametersHtml(int code) {
  const ParameterLayout* layout = LayoutOf(code);
  if (layout == nullptr) return "<p>Параметров нет.</p>\n";
  return std::string("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n") +
         "<tr><th>Параметр</th><th>По умолчанию</th>" +
         (HasRanges(*layout) ? "<th>Допустимые значения</th>" : "") + "</tr>\n" +
         ParameterRows(*layout) + "</table>\n";
}

const ElementNote* NoteOf(int code) {
  for (const ElementNote& note : ElementNotes()) {
    if (note.code == code) return &note;
  }
  return nullptr;
}

std::string ElementHtml(const CatalogueEntry& entry, std::string_view picture_dir) {
  const ElementNote* note = NoteOf(entry.code);
  const std::string anchor = ElementAnchor(entry.code);
  std::string html = "<h4><a name=\"" + anchor + "\"></a>" + EscapeHtml(entry.name) + " (код " +
                     std::to_string(entry.code) + ")</h4>\n";
  html += "<p><img src=\"" + std::string(picture_dir) + "/" + ElementPictureName(entry.code) +
          "\" alt=\"" + EscapeHtml(entry.name) + "\"> ";
  if (note != nullptr) html += note->formula;
  html += "</p>\n";
  if (entry.param_count > 0) html += ParametersHtml(entry.code);
  if (note != nullptr && !note->limits.empty()) {
    html += "<p>Условия: " + std::string(note->limits) + ".</p>\n";
  }
  return html;
}

}  // namespace

std::string ElementAnchor(int code) {
  return "element-" + std::to_string(code);
}

std::string ElementPictureName(int code) {
  return "element-" + std::to_string(code) + ".png";
}

std::string ElementSectionsHtml(std::string_view picture_dir) {
  std::string html;
  int group = 0;
  for (const LibraryRange& range : LibraryRanges()) {
    if (range.list_item.empty()) continue;
    html += "<h3><a name=\"group-" + std::to_string(++group) + "\"></a>" +
            EscapeHtml(range.list_item) + "</h3>\n";
    std::string links;
    std::string sections;
    for (const CatalogueEntry& entry : Catalogue()) {
      if (entry.code < range.first_code || entry.code > range.last_code) continue;
      links += (links.empty() ? "" : "; ") + std::string("<a href=\"#") +
               ElementAnchor(entry.code) + "\">" + EscapeHtml(entry.name) + "</a>";
      sections += ElementHtml(entry, picture_dir);
    }
    html += "<p>" + links + ".</p>\n" + sections;
  }
  return html;
}

}  // namespace kortiv::guide
