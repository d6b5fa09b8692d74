#include "model/clipboard.h"

#include <charconv>
#include <cstdio>
#include <optional>

#include "model/scheme.h"
#include "support/messenger.h"
#include "support/number_format.h"

namespace kortiv {
namespace {

constexpr int kCountPosition = 4;   // 0-based start of the count
constexpr int kValuesPosition = 6;  // 0-based start of the values
constexpr int kControlPointShift = 5;
constexpr int kMaxClipCount = 99;
constexpr int kValueDigits = 7;
constexpr int kValueExponentDigits = 4;

std::string Padded(int value, int width) {
  char text[16];
  std::snprintf(text, sizeof text, "%0*d", width, value);
  return text;
}

// The whole of `text[position, position + length)` as a number, or nothing.
std::optional<int> NumberAt(std::string_view text, std::size_t position, std::size_t length) {
  if (position + length > text.size()) return std::nullopt;
  int value = 0;
  const char* first = text.data() + position;
  const char* last = first + length;
  const auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc{} || end != last) return std::nullopt;
  return value;
}

int TakeIntoClipboard(Clipboard& clip, const Scheme& scheme, int n, int state,
                      char decimal_separator) {
  const int hatched = CancelPendingCut(clip);
  clip.ClipSource = n;
  clip.ClipState = state;
  clip.ClipText = EncodeClip(scheme, n, decimal_separator);
  return hatched;
}

}  // namespace

std::string EncodeClip(const Scheme& scheme, int n, char decimal_separator) {
  const bool control_point = scheme.GetControlPoint(n) > 0;
  std::string text = Padded(scheme.GetCode(n), 3) +
                     Padded(scheme.GetOrientation(n) + (control_point ? kControlPointShift : 0), 1);
  const int count = scheme.GetParamCount(n);
  if (count == 0) return text + "00";
  if (count > kMaxClipCount) {
    scheme.messenger().Show(kTooManyParamsMessage);
    return text + "-1";
  }
  if (scheme.GetParamAddress(n) == 0) return text + "-1";
  text += Padded(count, 2);
  for (int i = 0; i < count; ++i) {
    const std::string value = FormatGeneral(scheme.ElementParam(n, i), kValueDigits,
                                            kValueExponentDigits, decimal_separator);
    text += Padded(static_cast<int>(value.size()), 2) + value;
  }
  return text;
}

ClipHead DecodeClipHead(std::string_view text) {
  ClipHead head;
  head.code = NumberAt(text, 0, 3).value_or(0);
  if (head.code <= 0) return {};
  const int digit = NumberAt(text, 3, 1).value_or(-1);
  if (digit >= 0 && digit <= 3) {
    head.orientation = digit;
  } else if (digit >= kControlPointShift && digit <= kControlPointShift + 3) {
    head.orientation = digit - kControlPointShift;
    head.has_control_point = true;
  } else {
    return head;  // neither: orientation 0, no control point, no values
  }
  head.count = NumberAt(text, kCountPosition, 2).value_or(0);
  return head;
}

std::vector<float> DecodeClipValues(std::string_view text, int count, char decimal_separator) {
  std::vector<float> values;
  if (count <= 0 || NumberAt(text, kCountPosition, 2) != count) return values;
  std::size_t position = kValuesPosition;
  for (int i = 0; i < count; ++i) {
    const std::optional<int> length = NumberAt(text, position, 2);
    if (!length || *length < 0 || position + 2 + *length > text.size()) break;
    double value = 0;
    if (!TryParseDecimal(text.substr(position + 2, *length), decimal_separator, value)) value = 0;
    values.push_back(static_cast<float>(value));
    position += 2 + *length;
  }
  return values;
}

int CancelPendingCut(Clipboard& clip) {
  if (clip.ClipState != kClipPendingCut || clip.ClipSource <= 0) return 0;
  clip.ClipState = kClipCopy;
  return clip.ClipSource;
}

int CopyElement(Clipboard& clip, const Scheme& scheme, int n, char decimal_separator) {
  return TakeIntoClipboard(clip, scheme, n, kClipCopy, decimal_separator);
}

int CutElement(Clipboard& clip, const Scheme& scheme, int n, char decimal_separator) {
  return TakeIntoClipboard(clip, scheme, n, kClipPendingCut, decimal_separator);
}

void NoteElementDeleted(Clipboard& clip, int n) {
  if (n < clip.ClipSource) {
    --clip.ClipSource;
  } else if (n == clip.ClipSource) {
    // The text stays: a later paste makes a copy of the deleted element.
    clip.ClipSource = 0;
    if (clip.ClipState == kClipPendingCut) clip.ClipState = kClipCopy;
  }
}

}  // namespace kortiv
