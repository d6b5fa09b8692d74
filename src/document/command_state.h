#pragma once

#include <string>
#include <string_view>

namespace kortiv {

inline constexpr std::string_view kControlPointCaption = "Контрольная точка";
inline constexpr std::string_view kSetControlPointCaption = "Установить контрольную точку";
inline constexpr std::string_view kRemoveControlPointCaption = "Удалить контрольную точку";

// Which command groups are enabled, as the widgets show them. Every group is
// switched as a whole: menu item, tool button and context item together.
struct CommandState {
  bool selection = false;       // Cut, Copy, Delete, the three rotations
  bool control_point = false;   // set or remove the control point
  bool save = false;            // Save
  bool whole_scheme = false;    // Delete all, print the model, save the scheme picture
  bool paste = false;           // Paste
  bool element_params = false;  // parameters of the selected element
  bool check = false;           // Check
  bool run = false;             // Run, Phase portrait
  bool results = false;         // the plot and table windows
  bool undo = false;
  bool redo = false;
  // Commands that change or replace the scheme (New, Open, Close, the
  // examples, placing, moving, the integration parameters, the model name,
  // the settings): off while a run is calculating.
  bool scheme_edits = false;
  bool busy = false;  // a run is calculating; Esc stops it
  std::string control_point_caption{kControlPointCaption};

  bool operator==(const CommandState&) const = default;
};

}  // namespace kortiv
