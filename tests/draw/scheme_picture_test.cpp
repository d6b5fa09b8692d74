#include "draw/scheme_picture.h"

#include <gtest/gtest.h>

#include "draw/cell_marks.h"
#include "draw/element_symbol.h"
#include "draw/palette.h"
#include "model/scheme.h"
#include "picture_probe.h"
#include "recording_messenger.h"

namespace kortiv {
namespace {

using test::DrawnPixels;
using test::PixelAt;

class SchemePictureTest : public ::testing::Test {
 protected:
  QImage CellOf(const QImage& picture, Cell window_cell) const {
    return picture.copy(QRect(CellOrigin(window_cell), kCellSize));
  }
  QImage Picture() const { return SchemeImage(scheme, styles, window); }

  test::RecordingMessenger messenger;
  Scheme scheme{messenger};
  PlotStyles styles = DefaultPlotStyles();
  SchemeWindow window;
};

TEST_F(SchemePictureTest, PictureHoldsTheRulersAndTheCells) {
  window.cols = 11;
  window.rows = 9;
  EXPECT_EQ(Picture().size(), QSize(kRulerWidth + 11 * 75, kRulerHeight + 9 * 50));
  EXPECT_EQ(CellOrigin({1, 1}), QPoint(kRulerWidth, kRulerHeight));
  EXPECT_EQ(CellOrigin({3, 2}), QPoint(kRulerWidth + 75, kRulerHeight + 100));
}

TEST_F(SchemePictureTest, EmptySchemeShowsEmptyCellsAndRulerNumbers) {
  const QImage picture = Picture();
  const QRect cells(CellOrigin({1, 1}), QSize(9 * 75, 7 * 50));
  EXPECT_EQ(DrawnPixels(picture, cells), 0);
  EXPECT_EQ(PixelAt(picture, CellOrigin({4, 4})), MenuColour());
  EXPECT_GT(DrawnPixels(picture, QRect(kRulerWidth, 0, 9 * 75, kRulerHeight)), 0);
  EXPECT_GT(DrawnPixels(picture, QRect(0, kRulerHeight, kRulerWidth, 7 * 50)), 0);
}

TEST_F(SchemePictureTest, ElementsAreDrawnInTheirCellsWithTheirOrientation) {
  const int gain = scheme.AppendElement(200, 1, {2, 3});
  scheme.AllocateParamBlock(gain);
  scheme.AppendElement(9, 2, {1, 1});
  const QImage picture = Picture();
  EXPECT_EQ(CellOf(picture, {2, 3}), ElementImage(200, 1));
  EXPECT_EQ(CellOf(picture, {1, 1}), ElementImage(9, 2));
  EXPECT_EQ(DrawnPixels(picture, QRect(CellOrigin({3, 3}), kCellSize)), 0);
}

TEST_F(SchemePictureTest, ShiftMovesTheWindowOverTheScheme) {
  scheme.AppendElement(1, 0, {0, 0});
  scheme.AppendElement(1, 0, {20, 20});
  EXPECT_EQ(DrawnPixels(Picture(), QRect(CellOrigin({1, 1}), QSize(9 * 75, 7 * 50))), 0);
  const QImage unshifted_rulers = Picture().copy(0, 0, kRulerWidth + 9 * 75, kRulerHeight);
  scheme.SetShift(1, 2);  // stored (0, 0) shows in window cell (1, 2)
  const QImage shifted = Picture();
  EXPECT_EQ(CellOf(shifted, {1, 2}), ElementImage(1, 0));
  EXPECT_NE(shifted.copy(0, 0, kRulerWidth + 9 * 75, kRulerHeight), unshifted_rulers);
}

TEST_F(SchemePictureTest, ElementWithoutParametersGetsThePurpleMark) {
  scheme.AppendElement(204, 0, {1, 1});  // needs parameters, has none
  const int given = scheme.AppendElement(204, 0, {1, 2});
  scheme.AllocateParamBlock(given);
  scheme.AppendElement(9, 0, {1, 3});    // takes no parameters
  scheme.AppendElement(500, 0, {1, 4});  // a function without a parameter
  scheme.AppendElement(503, 0, {1, 5});  // a function with one, not given
  const QImage picture = Picture();
  const QPoint mark_centre(20, 16);
  EXPECT_NE(PixelAt(CellOf(picture, {1, 1}), mark_centre), MenuColour());
  EXPECT_EQ(CellOf(picture, {1, 2}), ElementImage(204, 0));
  EXPECT_EQ(CellOf(picture, {1, 3}), ElementImage(9, 0));
  EXPECT_EQ(CellOf(picture, {1, 4}), ElementImage(500, 0));
  EXPECT_NE(PixelAt(CellOf(picture, {1, 5}), mark_centre),
            PixelAt(ElementImage(503, 0), mark_centre));
}

TEST_F(SchemePictureTest, ControlPointIsDrawnInItsStyleColour) {
  const int n = scheme.AppendElement(113, 0, {1, 1});
  scheme.SetControlPoint(n, 2);
  styles[2][0] = 12;  // teal
  const QImage cell = CellOf(Picture(), {1, 1});
  EXPECT_EQ(PixelAt(cell, {68, 20}), QColor(0, 128, 128));
}

// Control points are counted in element order over the whole scheme, also
// outside the window; from the tenth on the number stands further left.
TEST_F(SchemePictureTest, ControlPointNumbersAreOffsetFromTheTenthCountedPoint) {
  window.cols = 10;
  for (int i = 0; i < 10; ++i) {
    const int n = scheme.AppendElement(113, 0, {i < 8 ? 20 : 1, i + 1});
    scheme.SetControlPoint(n, 10 - i);
  }
  const QImage picture = Picture();
  for (int n : {9, 10}) {
    QImage expected(kCellSize, QImage::Format_RGB32);
    {
      QPainter painter(&expected);
      DrawElementCell(painter, scheme, n, styles, n);
    }
    EXPECT_EQ(CellOf(picture, {1, n}), expected) << n;
  }
  // element 10 carries point 1, yet its number moved: it was counted tenth
  QImage counted_ninth(kCellSize, QImage::Format_RGB32);
  {
    QPainter painter(&counted_ninth);
    DrawElementCell(painter, scheme, 10, styles, 9);
  }
  EXPECT_NE(CellOf(picture, {1, 10}), counted_ninth);
}

TEST_F(SchemePictureTest, SelectionAndPendingCutAreMarkedOverTheirCells) {
  scheme.AppendElement(204, 0, {2, 2});
  scheme.AllocateParamBlock(1);
  window.selected = {2, 2};
  window.pending_cut = {3, 3};
  const QImage picture = Picture();
  QImage expected = ElementImage(204, 0);
  {
    QPainter painter(&expected);
    ToggleSelectionFrame(painter, kCellSize);
  }
  EXPECT_EQ(CellOf(picture, {2, 2}), expected);
  EXPECT_GT(DrawnPixels(picture, QRect(CellOrigin({3, 3}), kCellSize)), 0);
  EXPECT_EQ(DrawnPixels(picture, QRect(CellOrigin({3, 4}), kCellSize)), 0);
}

}  // namespace
}  // namespace kortiv
