#include "model/edit_operations.h"

#include "model/clipboard.h"
#include "model/scheme.h"
#include "model/user_settings.h"
#include "support/messenger.h"

namespace kortiv {

bool ConfirmPasteOver(const UserSettings& settings, Messenger& messenger) {
  return !settings.AskPaste || messenger.Ask(kPasteOverQuestion, kConfirmTitle);
}

bool ConfirmDeleteElement(const UserSettings& settings, Messenger& messenger) {
  return !settings.AskDelete || messenger.Ask(kDeleteElementQuestion, kConfirmTitle);
}

bool ConfirmDeleteAll(Messenger& messenger) {
  return messenger.Ask(kDeleteAllQuestion, kConfirmTitle);
}

int SetNewControlPoint(Scheme& scheme, int n) {
  if (scheme.ControlPointCount() >= Scheme::kControlPointMax) return 0;
  if (scheme.GetControlPoint(n) > 0) return 0;
  const int number = scheme.ControlPointCount() + 1;
  scheme.SetControlPointCount(number);
  scheme.SetControlPoint(n, number);
  return number;
}

ControlPointRemoval RemoveControlPoint(Scheme& scheme, int n) {
  ControlPointRemoval removal;
  removal.removed = scheme.GetControlPoint(n);
  if (removal.removed <= 0) return {};
  scheme.SetControlPoint(n, 0);
  for (int k = 1; k <= scheme.ElementCount(); ++k) {
    const int number = scheme.GetControlPoint(k);
    if (number > removal.removed) {
      scheme.SetControlPoint(k, number - 1);
      removal.renumbered.push_back(k);
    }
  }
  scheme.SetControlPointCount(scheme.ControlPointCount() - 1);
  return removal;
}

ControlPointRemoval DeleteElement(Scheme& scheme, int n) {
  scheme.ReleaseParamBlock(n);
  ControlPointRemoval removal = RemoveControlPoint(scheme, n);
  for (int& k : removal.renumbered) {
    if (k > n) --k;
  }
  scheme.RemoveRecord(n);
  return removal;
}

int Rotate(Scheme& scheme, int n, Rotation rotation) {
  const int orientation = (scheme.GetOrientation(n) + static_cast<int>(rotation)) % 4;
  scheme.SetOrientation(n, orientation);
  return orientation;
}

PastedElement PasteNewElement(Scheme& scheme, std::string_view clip_text, int row, int column,
                              char decimal_separator) {
  const ClipHead head = DecodeClipHead(clip_text);
  if (head.code == 0) return {};
  PastedElement pasted;
  pasted.element = scheme.AppendElement(head.code, head.orientation,
                                        {row - scheme.RowShift(), column - scheme.ColShift()});
  const int n = pasted.element;
  if (head.has_control_point) pasted.control_point = SetNewControlPoint(scheme, n);
  if (head.count > 0) {
    const std::vector<float> values = DecodeClipValues(clip_text, head.count, decimal_separator);
    scheme.ResizeParamBlock(n, head.count);  // no block yet: only the count changes
    scheme.AllocateParamBlock(n);
    const int address = scheme.GetParamAddress(n);
    for (int i = 0; i < head.count; ++i) {
      scheme.SetParam(address + i, i < static_cast<int>(values.size()) ? values[i] : 0.0f);
    }
  }
  scheme.SetCellPosition(n, row, column);
  return pasted;
}

int PasteCutElement(Clipboard& clip, Scheme& scheme, int row, int column) {
  clip.ClipState = kClipCopy;
  scheme.SetCellPosition(clip.ClipSource, row, column);
  return clip.ClipSource;
}

}  // namespace kortiv
