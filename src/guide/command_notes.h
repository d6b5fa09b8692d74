#pragma once

#include <string_view>

namespace kortiv::guide {

// What a command of the main window does, by the objectName of its action
// (mnuRun, mnuCut, ...); empty for a command the guide does not know.
std::string_view CommandNote(std::string_view action);

}  // namespace kortiv::guide
