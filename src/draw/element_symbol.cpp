#include "draw/element_symbol.h"

#include <algorithm>

#include "draw/function_symbols.h"
#include "draw/linear_symbols.h"
#include "draw/link_symbols.h"
#include "draw/nonlinear_symbols.h"
#include "draw/source_symbols.h"
#include "model/catalogue.h"

namespace kortiv {
namespace {

// The box, its input and output lines and the pictogram of the kinds that
// have a box.
void DrawBoxedElement(const SymbolCanvas& canvas, int group, int code, int orientation) {
  const bool source = group == kGroupSource || group == kGroupSweepGenerator;
  canvas.Box();
  if (!source) canvas.InputLine(orientation);
  canvas.OutputLine(orientation);
  switch (group) {
    case kGroupSource:
    case kGroupSweepGenerator:
      return DrawSourcePictogram(canvas, code);
    case kGroupLinear:
      return DrawLinearPictogram(canvas, code, orientation);
    case kGroupNonlinear:
      return DrawNonlinearPictogram(canvas, code);
    case kGroupFunctional:
      return DrawFunctionPictogram(canvas, code);
  }
}

}  // namespace

void DrawElement(QPainter& painter, QSize size, int code, int orientation) {
  const SymbolCanvas canvas(painter, size);
  canvas.Clear();
  if (!IsCatalogueCode(code)) return;
  const int group = GroupOf(code);
  const int o = Turned(orientation, 0);
  if (code <= 20) return DrawLinkSymbol(canvas, code, o);
  DrawBoxedElement(canvas, group, code, o);
}

bool HasDialogPicture(int code) {
  const auto catalogue = Catalogue();
  return std::any_of(catalogue.begin(), catalogue.end(), [code](const CatalogueEntry& entry) {
    return entry.code == code && entry.param_count > 0;
  });
}

void DrawDialogPicture(QPainter& painter, QSize size, int code) {
  const SymbolCanvas canvas(painter, size);
  canvas.Clear();
  if (!HasDialogPicture(code)) return;
  switch (GroupOf(code)) {
    case kGroupSource:
    case kGroupSweepGenerator:
      return DrawSourceDialogPicture(canvas, code);
    case kGroupLinear:
      return DrawLinearDialogPicture(canvas, code);
    case kGroupNonlinear:
      return DrawNonlinearDialogPicture(canvas, code);
    case kGroupFunctional:
      return DrawFunctionDialogPicture(canvas, code);
  }
}

QImage ElementImage(int code, int orientation, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  QPainter painter(&image);
  DrawElement(painter, size, code, orientation);
  return image;
}

QImage DialogImage(int code, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  QPainter painter(&image);
  DrawDialogPicture(painter, size, code);
  return image;
}

}  // namespace kortiv
