#pragma once

#include <span>

namespace kortiv {

// One command of the main window: its action's objectName and caption, the
// objectName and hint of its tool button (none when null), its shortcuts
// (";" between several) and its menu (index into the menu captions).
struct CommandEntry {
  const char* name;
  const char* caption;
  const char* button;
  const char* hint;
  const char* shortcuts;
  int menu;
};

// Captions of the menus in menu-bar order.
std::span<const char* const> MenuCaptions();

// Every command in menu order; an entry with a null name is a separator.
std::span<const CommandEntry> Commands();

// The tool buttons in their order; a null entry is a separator.
std::span<const char* const> ToolButtonCommands();

}  // namespace kortiv
