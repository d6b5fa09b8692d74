#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kortiv {

class Scheme;

// The internal clipboard holds one element as text:
//   3 digits code, 1 digit orientation (+5 with a control point),
//   2 characters parameter count k ("00", "-1" for no block or k >= 100),
//   then k times a 2-digit length and the value text.
inline constexpr std::string_view kEmptyClipText = "000000";

// ClipState values.
inline constexpr int kClipEmpty = 0;
inline constexpr int kClipCopy = 1;
inline constexpr int kClipPendingCut = -1;  // the source stays in place, hatched

struct Clipboard {
  std::string ClipText{kEmptyClipText};
  int ClipState = kClipEmpty;
  int ClipSource = 0;  // element copied or cut, 0 = none
};

inline constexpr std::string_view kTooManyParamsMessage =
    "У элемента слишком много параметров! Он не может поместиться в буфер обмена";

// The clipboard text of element n; values in general format with 7
// significant digits. An element with 100 or more parameters is reported and
// carried without its values.
std::string EncodeClip(const Scheme& scheme, int n, char decimal_separator);

struct ClipHead {
  int code = 0;  // 0: the text holds no element
  int orientation = 0;
  bool has_control_point = false;
  int count = 0;  // -1: no parameter values
};

ClipHead DecodeClipHead(std::string_view text);

// The values of a text whose count is `count` (> 0); a value that cannot be
// read is 0, and a text cut short gives fewer values.
std::vector<float> DecodeClipValues(std::string_view text, int count, char decimal_separator);

// A pending cut becomes a copy. Returns the element whose hatch must be
// erased, 0 when there was no pending cut.
int CancelPendingCut(Clipboard& clip);

// Copy and cut of element n; both first cancel a pending cut and return the
// element whose hatch must then be erased (0: none). After a cut the editor
// hatches element n's cell.
int CopyElement(Clipboard& clip, const Scheme& scheme, int n, char decimal_separator);
int CutElement(Clipboard& clip, const Scheme& scheme, int n, char decimal_separator);

// Keeps ClipSource on the same element when element n is deleted; when the
// source itself goes, the clipboard keeps its text as a copy.
void NoteElementDeleted(Clipboard& clip, int n);

}  // namespace kortiv
