#include "command_section.h"

#include <QIcon>
#include <QPixmap>

#include "guide/command_notes.h"
#include "guide/html_text.h"
#include "ui/command_table.h"
#include "ui/tool_icons.h"

namespace kortiv::guide_cli {
namespace {

constexpr int kButtonPicture = 24;

std::string MenuTitle(const char* caption) {
  std::string title = caption;
  std::erase(title, '&');
  return title;
}

std::string Keys(const char* shortcuts) {
  std::string keys = shortcuts;
  for (std::size_t at = keys.find(';'); at != std::string::npos; at = keys.find(';', at)) {
    keys.replace(at, 1, ", ");
  }
  return guide::EscapeHtml(keys);
}

std::string CommandRow(const CommandEntry& command, const std::string& picture_dir) {
  std::string button;
  if (command.button != nullptr) {
    button = "<img src=\"" + picture_dir + "/command-" + command.name + ".png\" alt=\"\"> " +
             guide::EscapeHtml(command.hint ? command.hint : "");
  }
  return "<td>" + guide::EscapeHtml(command.caption) + "</td><td>" + button + "</td><td>" +
         Keys(command.shortcuts) + "</td><td>" + std::string(guide::CommandNote(command.name)) +
         "</td></tr>\n";
}

bool WriteButtonPicture(const QString& picture_path, const char* name) {
  const QPixmap picture = DrawnCommandIcon(name).pixmap(kButtonPicture, kButtonPicture);
  return !picture.isNull() &&
         picture.save(picture_path + "/command-" + QString(name) + ".png", "PNG");
}

}  // namespace

std::string CommandsHtml(const QString& picture_path, const std::string& picture_dir) {
  std::string html =
      "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\">\n"
      "<tr><th width=\"10%\">Меню</th><th width=\"20%\">Команда</th>"
      "<th width=\"25%\">Кнопка и её подсказка</th><th width=\"10%\">Клавиши</th>"
      "<th width=\"35%\">Что делает</th></tr>\n";
  const auto menus = MenuCaptions();
  for (std::size_t menu = 0; menu < menus.size(); ++menu) {
    std::string rows;
    int count = 0;
    for (const CommandEntry& command : Commands()) {
      if (command.name == nullptr || command.menu != static_cast<int>(menu)) continue;
      if (command.button != nullptr && !WriteButtonPicture(picture_path, command.name)) return {};
      rows +=
          (count++ == 0 ? std::string() : std::string("<tr>")) + CommandRow(command, picture_dir);
    }
    if (count == 0) continue;
    html += "<tr><td rowspan=\"" + std::to_string(count) + "\"><b>" + MenuTitle(menus[menu]) +
            "</b></td>" + rows;
  }
  return html + "</table>\n";
}

}  // namespace kortiv::guide_cli
