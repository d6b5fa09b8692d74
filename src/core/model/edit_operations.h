#pragma once

#include <string_view>
#include <vector>

namespace kortiv {

class Messenger;
class Scheme;
struct Clipboard;
struct UserSettings;

// Table side of the editing commands; the editor asks, draws and marks the
// model changed around them.

inline constexpr std::string_view kPasteOverQuestion = "Вставить вместо существующего элемента?";
inline constexpr std::string_view kDeleteElementQuestion = "Удалить выделенный элемент?";
inline constexpr std::string_view kDeleteAllQuestion = "Удалить схему полностью?";

// Yes, or the answer to the question when the settings ask for it.
bool ConfirmPasteOver(const UserSettings& settings, Messenger& messenger);
bool ConfirmDeleteElement(const UserSettings& settings, Messenger& messenger);
// Always asked.
bool ConfirmDeleteAll(Messenger& messenger);

// Gives element n the next control point number. Returns it, or 0 when all
// twelve are in use or the element already has one.
int SetNewControlPoint(Scheme& scheme, int n);

struct ControlPointRemoval {
  int removed = 0;              // the number taken away, 0: none
  std::vector<int> renumbered;  // elements whose number went down by one
};

// Takes element n's control point away; the higher numbers close the gap.
ControlPointRemoval RemoveControlPoint(Scheme& scheme, int n);

// Deletes element n: releases its parameter block, removes its control point
// and moves elements n+1.. one number down. The renumbered control points
// are given by the element numbers after the deletion.
ControlPointRemoval DeleteElement(Scheme& scheme, int n);

enum class Rotation { kClockwise = 1, kHalfTurn = 2, kCounterClockwise = 3 };

// Turns element n; returns its new orientation.
int Rotate(Scheme& scheme, int n, Rotation rotation);

struct PastedElement {
  int element = 0;        // 0: the text holds no element
  int control_point = 0;  // the new element's control point, 0: none
};

// Adds the clipboard's element as a new element at window cell (row,
// column). A carried control point gets the next free number when there is
// one; carried values get a new block at the top of the store; without
// values the element has the catalogue count and no block.
PastedElement PasteNewElement(Scheme& scheme, std::string_view clip_text, int row, int column,
                              char decimal_separator);

// Paste of a pending cut: the source element moves to window cell (row,
// column) keeping its number, parameters and control point, and the
// clipboard holds a copy from then on. Returns the moved element.
int PasteCutElement(Clipboard& clip, Scheme& scheme, int row, int column);

}  // namespace kortiv
