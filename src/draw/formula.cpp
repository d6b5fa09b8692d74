#include "draw/formula.h"

#include <QFontMetrics>
#include <algorithm>

namespace kortiv {
namespace {

constexpr int kMinimumPixelSize = 6;
constexpr int kBarGap = 2;  // between a fraction bar and its texts

// Lays out (and, with a painter, draws) a formula in one letter size around
// the axis: the height of fraction bars, the middle of plain text.
class FormulaLayout {
 public:
  FormulaLayout(const QFont& font) : normal_(font), small_(font) {
    small_.setPixelSize(std::max(kMinimumPixelSize - 1, font.pixelSize() * 7 / 10));
  }

  int Width(const Formula& formula) const {
    int width = 0;
    for (const auto& piece : formula) width += PieceWidth(piece);
    return width;
  }

  int Height(const Formula& formula) const {
    const QFontMetrics metrics(normal_);
    const bool has_fraction = std::any_of(formula.begin(), formula.end(), [](const auto& piece) {
      return piece.kind == FormulaPiece::Kind::kFraction;
    });
    return has_fraction ? 2 * metrics.height() + 2 * kBarGap + 1 : metrics.height() + 4;
  }

  void Draw(QPainter& painter, const Formula& formula, int x, int axis) const {
    for (const auto& piece : formula) x += DrawPiece(painter, piece, x, axis);
  }

 private:
  int RunsWidth(const Runs& runs) const {
    int width = 0;
    for (const auto& run : runs) width += RunWidth(run);
    return width;
  }

  int RunWidth(const Run& run) const {
    return QFontMetrics(run.script == Script::kNormal ? normal_ : small_)
        .horizontalAdvance(run.text);
  }

  int PieceWidth(const FormulaPiece& piece) const {
    switch (piece.kind) {
      case FormulaPiece::Kind::kFraction:
        return std::max(RunsWidth(piece.top), RunsWidth(piece.bottom)) + 4;
      case FormulaPiece::Kind::kRoot:
        return RunsWidth(piece.top) + 9;
      default:
        return RunsWidth(piece.top);
    }
  }

  // Draws runs with their baseline at `baseline`; returns the width.
  int DrawRuns(QPainter& painter, const Runs& runs, int x, int baseline) const {
    const QFontMetrics metrics(normal_);
    const int start = x;
    for (const auto& run : runs) {
      int y = baseline;
      if (run.script == Script::kSuper) y -= metrics.ascent() * 9 / 20;
      if (run.script == Script::kSub) y += metrics.ascent() / 4;
      painter.setFont(run.script == Script::kNormal ? normal_ : small_);
      painter.drawText(QPoint(x, y), run.text);
      x += RunWidth(run);
    }
    painter.setFont(normal_);
    return x - start;
  }

  int DrawPiece(QPainter& painter, const FormulaPiece& piece, int x, int axis) const {
    const QFontMetrics metrics(normal_);
    const int middle_baseline = axis + (metrics.ascent() - metrics.descent()) / 2;
    const int width = PieceWidth(piece);
    switch (piece.kind) {
      case FormulaPiece::Kind::kFraction: {
        painter.drawLine(x + 1, axis, x + width - 2, axis);
        const int top_width = RunsWidth(piece.top);
        const int bottom_width = RunsWidth(piece.bottom);
        DrawRuns(painter, piece.top, x + (width - top_width) / 2,
                 axis - kBarGap - metrics.descent());
        DrawRuns(painter, piece.bottom, x + (width - bottom_width) / 2,
                 axis + kBarGap + metrics.ascent());
        break;
      }
      case FormulaPiece::Kind::kRoot: {
        const int top = middle_baseline - metrics.ascent() - 1;
        const int bottom = middle_baseline + metrics.descent() - 1;
        const QPoint sign[] = {
            {x, axis + 1}, {x + 2, axis}, {x + 4, bottom}, {x + 7, top}, {x + width - 1, top}};
        painter.drawPolyline(sign, 5);
        DrawRuns(painter, piece.top, x + 8, middle_baseline);
        break;
      }
      default:
        DrawRuns(painter, piece.top, x, middle_baseline);
    }
    return width;
  }

  QFont normal_;
  QFont small_;
};

}  // namespace

FormulaPiece Inline(Runs runs) {
  return {FormulaPiece::Kind::kInline, std::move(runs), {}};
}

FormulaPiece Fraction(Runs numerator, Runs denominator) {
  return {FormulaPiece::Kind::kFraction, std::move(numerator), std::move(denominator)};
}

FormulaPiece Root(Runs radicand) {
  return {FormulaPiece::Kind::kRoot, std::move(radicand), {}};
}

bool FormulaFits(const QPainter& painter, const Formula& formula, QSize area, int pixel_size) {
  QFont font = painter.font();
  font.setPixelSize(pixel_size);
  const FormulaLayout layout(font);
  return layout.Width(formula) <= area.width() && layout.Height(formula) <= area.height();
}

void DrawFormula(QPainter& painter, const Formula& formula, const QRect& area, int pixel_size) {
  int size = pixel_size;
  while (size > kMinimumPixelSize && !FormulaFits(painter, formula, area.size(), size)) --size;
  QFont font = painter.font();
  font.setPixelSize(size);
  painter.setFont(font);
  const FormulaLayout layout(font);
  const int x = area.left() + (area.width() - layout.Width(formula)) / 2;
  layout.Draw(painter, formula, x, area.top() + area.height() / 2);
}

}  // namespace kortiv
