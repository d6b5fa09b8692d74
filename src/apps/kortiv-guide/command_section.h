#pragma once

#include <QString>
#include <string>

namespace kortiv::guide_cli {

// The guide's table of every menu command of the main window, from the
// program's own command table: caption, tool button with its picture and
// hint, keys, and what the command does. The button pictures are written to
// `picture_path` and referred to as `picture_dir`/command-<name>.png.
// Empty when a picture cannot be written.
std::string CommandsHtml(const QString& picture_path, const std::string& picture_dir);

}  // namespace kortiv::guide_cli
