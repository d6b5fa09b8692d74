#include "draw/cell_marks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "draw/element_symbol.h"
#include "picture_probe.h"

namespace kortiv {
namespace {

using test::PixelAt;
using test::Plain;

using Toggle = std::function<void(QPainter&, QSize)>;

QImage Toggled(QImage image, const Toggle& toggle, int times) {
  QPainter painter(&image);
  for (int i = 0; i < times; ++i) toggle(painter, image.size());
  return image;
}

// Drawing an inverting mark twice gives back the very same picture.
TEST(CellMarks, InvertingMarksDrawnTwiceDisappear) {
  const QImage symbol = ElementImage(204, 0);
  for (const Toggle& toggle : {Toggle(ToggleSelectionFrame), Toggle(TogglePendingCutHatch),
                               Toggle(ToggleParamsNotSetMark)}) {
    const QImage once = Toggled(symbol, toggle, 1);
    EXPECT_NE(once, symbol);
    EXPECT_EQ(Toggled(symbol, toggle, 2), symbol);
  }
}

TEST(CellMarks, SelectionFrameIsBlueOnTheOutermostPixels) {
  const QImage white = Plain({75, 50}, Qt::white);
  const QImage framed = Toggled(white, ToggleSelectionFrame, 1);
  for (QPoint at : {QPoint(0, 0), QPoint(74, 0), QPoint(0, 49), QPoint(74, 49), QPoint(37, 0),
                    QPoint(0, 25), QPoint(74, 25), QPoint(37, 49)}) {
    EXPECT_EQ(PixelAt(framed, at), QColor(0, 0, 255)) << at.x() << "," << at.y();
  }
  EXPECT_EQ(PixelAt(framed, {1, 1}), QColor(Qt::white));
  EXPECT_EQ(PixelAt(framed, {73, 48}), QColor(Qt::white));
}

// Whether black pixels run along the line from `from` to `to`, within a
// pixel of it at every column where it lies in the picture.
bool BlackAlong(const QImage& image, QPoint from, QPoint to) {
  for (int x = std::max(from.x(), 0); x <= std::min(to.x(), image.width() - 1); ++x) {
    const double y = from.y() + double(to.y() - from.y()) * (x - from.x()) / (to.x() - from.x());
    if (y > image.height() - 1) continue;  // this end lies beyond the picture
    bool found = false;
    for (int dy = -1; dy <= 1; ++dy) {
      const QPoint at(x, static_cast<int>(std::lround(y)) + dy);
      found = found || (image.rect().contains(at) && PixelAt(image, at) == QColor(Qt::black));
    }
    if (!found) return false;
  }
  return true;
}

TEST(CellMarks, PendingCutHatchRunsThroughTheThirdsOfTheCell) {
  const QImage white = Plain({75, 50}, Qt::white);
  const QImage hatched = Toggled(white, TogglePendingCutHatch, 1);
  EXPECT_TRUE(BlackAlong(hatched, {0, 17}, {25, 0}));
  EXPECT_TRUE(BlackAlong(hatched, {0, 33}, {50, 0}));
  EXPECT_TRUE(BlackAlong(hatched, {0, 50}, {75, 0}));
  EXPECT_TRUE(BlackAlong(hatched, {25, 50}, {75, 17}));
  EXPECT_TRUE(BlackAlong(hatched, {50, 50}, {75, 33}));
  EXPECT_FALSE(BlackAlong(hatched, {0, 25}, {30, 5}));  // no line between them
  for (QPoint at : {QPoint(5, 5), QPoint(70, 45), QPoint(45, 45), QPoint(30, 3)}) {
    EXPECT_EQ(PixelAt(hatched, at), QColor(Qt::white)) << at.x() << "," << at.y();
  }
}

TEST(CellMarks, ParamsNotSetMarkIsAPurpleCircleInsideTheBoxCorner) {
  const QImage white = Plain({75, 50}, Qt::white);
  const QImage marked = Toggled(white, ToggleParamsNotSetMark, 1);
  EXPECT_EQ(PixelAt(marked, {20, 16}), QColor(128, 0, 128));
  EXPECT_EQ(PixelAt(marked, {15, 11}), QColor(Qt::white));  // outside the round
  EXPECT_EQ(PixelAt(marked, {27, 16}), QColor(Qt::white));
  EXPECT_EQ(PixelAt(marked, {20, 23}), QColor(Qt::white));
  // on a symbol the mark stays inside the box and leaves its frame alone
  const QImage symbol = ElementImage(200, 0);
  const QImage on_symbol = Toggled(symbol, ToggleParamsNotSetMark, 1);
  EXPECT_EQ(on_symbol.copy(0, 0, 75, 11), symbol.copy(0, 0, 75, 11));
  EXPECT_EQ(on_symbol.copy(0, 0, 15, 50), symbol.copy(0, 0, 15, 50));
}

QImage WithControlPoint(int orientation, int number, int counted, const QColor& colour) {
  QImage image = Plain({75, 50}, Qt::white);
  QPainter painter(&image);
  DrawControlPointMark(painter, orientation, number, counted, colour);
  return image;
}

int ColouredPixels(const QImage& image, const QRect& area, const QColor& colour) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) count += PixelAt(image, {x, y}) == colour;
  }
  return count;
}

TEST(CellMarks, ControlPointStrokeLiesByTheOutputInThePointsColour) {
  const QColor green(0, 128, 0);
  EXPECT_EQ(PixelAt(WithControlPoint(0, 1, 1, green), {68, 20}), green);
  EXPECT_EQ(PixelAt(WithControlPoint(1, 1, 1, green), {50, 45}), green);
  EXPECT_EQ(PixelAt(WithControlPoint(2, 1, 1, green), {7, 20}), green);
  EXPECT_EQ(PixelAt(WithControlPoint(3, 1, 1, green), {50, 5}), green);
  EXPECT_EQ(PixelAt(WithControlPoint(0, 1, 1, green), {50, 45}), QColor(Qt::white));
  // the number stands above the stroke (output right) or beside it (output down)
  EXPECT_GT(ColouredPixels(WithControlPoint(0, 1, 1, green), QRect(60, 6, 15, 9), green), 0);
  EXPECT_GT(ColouredPixels(WithControlPoint(1, 1, 1, green), QRect(62, 33, 13, 12), green), 0);
}

// The leftmost pixel of the number's text in the mark of an element with
// output to the right.
int NumberLeft(int counted) {
  const QImage image = WithControlPoint(0, 4, counted, Qt::red);
  for (int x = 0; x < 75; ++x) {
    for (int y = 0; y < 14; ++y) {
      if (PixelAt(image, {x, y}) != QColor(Qt::white)) return x;
    }
  }
  return -1;
}

TEST(CellMarks, NumberMovesLeftFromTheTenthPointOn) {
  EXPECT_EQ(ControlPointNumberOffset(9), 3);
  EXPECT_EQ(ControlPointNumberOffset(10), 7);
  ASSERT_GE(NumberLeft(9), 0);
  EXPECT_EQ(NumberLeft(9) - NumberLeft(10), 4);
}

}  // namespace
}  // namespace kortiv
