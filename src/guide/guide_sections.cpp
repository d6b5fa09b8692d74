#include "guide/guide_sections.h"

#include <array>
#include <set>

#include "guide/element_reference.h"
#include "guide/guide_messages.h"
#include "guide/html_text.h"
#include "model/builtin_examples.h"
#include "model/catalogue.h"

namespace kortiv::guide {
namespace {

constexpr std::string_view kMarkerOpen = "<!-- kortiv:";
constexpr std::string_view kMarkerClose = " -->";

constexpr std::array<MessageKind, 7> kKindOrder = {
    MessageKind::kAnalysis, MessageKind::kValidation, MessageKind::kCalculation, MessageKind::kFile,
    MessageKind::kEditing,  MessageKind::kResults,    MessageKind::kFault};

// What each built-in example shows a student, in the order of the buttons.
constexpr std::array<std::string_view, kBuiltinExampleCount> kExampleLessons = {
    "Независимые цепочки: синусоида через ограничитель и пропорциональное звено, "
    "прямоугольный импульс через интегрирующее и дифференцирующее звенья. Пример учит "
    "прокладывать провода с поворотами и пересечением, ставить контрольные точки и "
    "сравнивать реакции звеньев на одном графике.",
    "Сигналы источников делятся разветвлениями на два и три выхода и идут в несколько "
    "звеньев сразу, в том числе в звено чистого запаздывания: пример показывает, как одна "
    "цепочка питает несколько других.",
    "Сигналы нескольких источников сходятся на сумматорах, вычитании и умножителе: пример "
    "показывает входы этих элементов и то, с какой стороны к ним подводят провода.",
    "Разомкнутая схема из нескольких источников, звеньев, разветвлений и сумматоров без "
    "обратных связей: пример учит читать структурную схему и находить вклад каждого входа.",
    "Ступенчатый сигнал, вычитание и интегрирующее звено, охваченное единичной "
    "отрицательной обратной связью: замкнутая система ведёт себя как апериодическое звено, "
    "выход плавно подходит к 1. Пример показывает, как замыкается обратная связь.",
    "Схема с несколькими контурами обратной связи, ограничителем и двумя источниками: "
    "пример показывает, что Kortiv сам находит контуры и рассчитывает их точка за точкой.",
};

std::string ElementLinks(const BuiltinExample& example) {
  std::set<int> codes;
  for (const ExampleElement& element : example.elements) {
    if (element.code >= 100) codes.insert(element.code);
  }
  std::string links;
  for (int code : codes) {
    links += (links.empty() ? "" : ", ") + std::string("<a href=\"#") + ElementAnchor(code) +
             "\">" + EscapeHtml(ElementName(code)) + "</a>";
  }
  return links;
}

}  // namespace

std::string MessagesHtml() {
  std::string html;
  for (MessageKind kind : kKindOrder) {
    html += "<h3><a name=\"" + std::string(KindAnchor(kind)) + "\"></a>" +
            EscapeHtml(KindTitle(kind)) + "</h3>\n";
    html +=
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n"
        "<tr><th>Сообщение</th><th>Что случилось и что делать</th></tr>\n";
    for (const GuideMessage& message : GuideMessages()) {
      if (message.kind != kind) continue;
      html += "<tr><td><b>" + MessageHtml(message.text) + "</b></td><td>" +
              EscapeHtml(message.advice) + "</td></tr>\n";
    }
    html += "</table>\n";
  }
  return html;
}

std::string StatusTextsHtml() {
  std::string html =
      "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n"
      "<tr><th>Текст в строке состояния</th><th>Что он значит</th></tr>\n";
  for (const StatusText& status : StatusTexts()) {
    html += "<tr><td>" + MessageHtml(status.text) + "</td><td>" + EscapeHtml(status.meaning) +
            "</td></tr>\n";
  }
  return html + "</table>\n";
}

std::string ExamplesHtml() {
  std::string html = "<ol>\n";
  const auto examples = BuiltinExamples();
  for (std::size_t k = 0; k < examples.size() && k < kExampleLessons.size(); ++k) {
    html += "<li><b>«" + EscapeHtml(examples[k].caption) + "»</b> (" +
            std::to_string(examples[k].elements.size()) + " элементов). " +
            EscapeHtml(kExampleLessons[k]) + " Элементы: " + ElementLinks(examples[k]) + ".</li>\n";
  }
  return html + "</ol>\n";
}

std::map<std::string, std::string> GeneratedFragments(std::string_view picture_dir) {
  return {{"elements", ElementSectionsHtml(picture_dir)},
          {"messages", MessagesHtml()},
          {"status", StatusTextsHtml()},
          {"examples", ExamplesHtml()}};
}

Assembly AssembleGuide(std::string_view source,
                       const std::map<std::string, std::string>& fragments) {
  std::string html;
  std::set<std::string> used;
  std::size_t at = 0;
  while (true) {
    const std::size_t open = source.find(kMarkerOpen, at);
    if (open == std::string_view::npos) break;
    const std::size_t name_at = open + kMarkerOpen.size();
    const std::size_t close = source.find(kMarkerClose, name_at);
    if (close == std::string_view::npos) return {std::nullopt, "незакрытая метка"};
    const std::string name(source.substr(name_at, close - name_at));
    const auto fragment = fragments.find(name);
    if (fragment == fragments.end()) return {std::nullopt, "неизвестная метка " + name};
    html += source.substr(at, open - at);
    html += fragment->second;
    used.insert(name);
    at = close + kMarkerClose.size();
  }
  html += source.substr(at);
  for (const auto& [name, text] : fragments) {
    if (!used.contains(name)) return {std::nullopt, "нет метки " + name};
  }
  return {html, ""};
}

}  // namespace kortiv::guide
