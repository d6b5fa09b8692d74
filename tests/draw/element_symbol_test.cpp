#include "draw/element_symbol.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "model/catalogue.h"
#include "picture_probe.h"

namespace kortiv {
namespace {

using test::DrawnPixels;
using test::IsBackground;
using test::IsDark;

enum Side { R = 0, D = 1, L = 2, U = 3 };

// Where the lines of a symbol meet the cell edge at orientation 0: lines
// with an arrowhead (outputs) and lines without one (inputs, and the far end
// of the crossing's second wire).
struct EdgeLines {
  int code;
  std::vector<int> plain;
  std::vector<int> arrows;
};

// The link elements, from the way signals enter and leave them.
const std::vector<EdgeLines> kLinkLines = {
    {1, {L}, {R}},        {2, {D}, {R}},     {3, {U}, {R}},     {4, {L, U, D}, {R}},
    {5, {L}, {R, D}},     {6, {L}, {R, U}},  {7, {L}, {D, U}},  {8, {L}, {R, D, U}},
    {9, {L, D}, {R}},     {10, {L, U}, {R}}, {11, {D, U}, {R}}, {12, {L, D, U}, {R}},
    {13, {L, D}, {R}},    {14, {L, U}, {R}}, {15, {D, U}, {R}}, {16, {L, D, U}, {R}},
    {17, {L, D, U}, {R}}, {18, {L, D}, {R}}, {19, {L, U}, {R}}, {20, {D, U}, {R}},
};

EdgeLines LinesOf(int code) {
  for (const auto& lines : kLinkLines) {
    if (lines.code == code) return lines;
  }
  if (code >= 100 && code <= 113) return {code, {}, {R}};  // sources have no input
  return {code, {L}, {R}};
}

int Rotated(int side, int orientation) {
  return (side + orientation) % 4;
}

QPoint EdgePixel(QSize size, int side) {
  switch (side) {
    case R:
      return {size.width() - 1, size.height() / 2};
    case D:
      return {size.width() / 2, size.height() - 1};
    case L:
      return {0, size.height() / 2};
    default:
      return {size.width() / 2, 0};
  }
}

QPoint Inward(int side, int pixels) {
  switch (side) {
    case R:
      return {-pixels, 0};
    case D:
      return {0, -pixels};
    case L:
      return {pixels, 0};
    default:
      return {0, pixels};
  }
}

QPoint Across(int side, int pixels) {
  return side == R || side == L ? QPoint(0, pixels) : QPoint(pixels, 0);
}

bool LineReachesEdge(const QImage& image, int side) {
  const QPoint edge = EdgePixel(image.size(), side);
  for (int i = 0; i < 4; ++i) {
    if (!IsDark(image, edge + Inward(side, i))) return false;
  }
  return true;
}

// The strokes of an arrowhead run from 5 pixels inside the border line of
// the cell (x = W on the right, x = 0 on the left), 3 pixels to either side.
bool HasArrowhead(const QImage& image, int side) {
  const bool far_side = side == R || side == D;
  const QPoint back = EdgePixel(image.size(), side) + Inward(side, far_side ? 4 : 5);
  return IsDark(image, back + Across(side, 3)) && IsDark(image, back + Across(side, -3));
}

std::vector<int> AllCodes() {
  std::vector<int> codes;
  for (const auto& entry : Catalogue()) codes.push_back(entry.code);
  return codes;
}

std::string Describe(int code, int orientation, int side, QSize size) {
  return "code " + std::to_string(code) + " orientation " + std::to_string(orientation) + " side " +
         std::to_string(side) + " cell " + std::to_string(size.width()) + "x" +
         std::to_string(size.height());
}

// Every code at every orientation and a few cell sizes: lines reach exactly
// the edges where the signal enters and leaves, outputs carry arrowheads.
TEST(ElementSymbol, LinesReachTheEdgesOfTheirPortsAtEveryOrientation) {
  for (QSize size : {QSize(75, 50), QSize(44, 32), QSize(150, 100)}) {
    for (int code : AllCodes()) {
      const EdgeLines lines = LinesOf(code);
      for (int o = 0; o < 4; ++o) {
        const QImage image = ElementImage(code, o, size);
        std::set<int> used;
        for (int side : lines.arrows) {
          const int s = Rotated(side, o);
          used.insert(s);
          EXPECT_TRUE(LineReachesEdge(image, s)) << Describe(code, o, s, size);
          EXPECT_TRUE(HasArrowhead(image, s)) << Describe(code, o, s, size);
        }
        for (int side : lines.plain) {
          const int s = Rotated(side, o);
          used.insert(s);
          EXPECT_TRUE(LineReachesEdge(image, s)) << Describe(code, o, s, size);
          EXPECT_FALSE(HasArrowhead(image, s)) << Describe(code, o, s, size);
        }
        for (int s = 0; s < 4; ++s) {
          if (used.count(s) == 0) {
            EXPECT_TRUE(IsBackground(image, EdgePixel(size, s))) << Describe(code, o, s, size);
          }
        }
      }
    }
  }
}

TEST(ElementSymbol, BoxLiesWithinTheMargins) {
  const QImage image = ElementImage(204, 0);
  // margins 14 left and right, 10 top and bottom in a 75 x 50 cell
  EXPECT_TRUE(IsDark(image, {14, 10}));
  EXPECT_TRUE(IsDark(image, {60, 39}));
  EXPECT_TRUE(IsDark(image, {37, 10}));
  EXPECT_TRUE(IsBackground(image, {13, 9}));
  EXPECT_TRUE(IsBackground(image, {61, 40}));
  EXPECT_TRUE(IsBackground(image, {37, 8}));
}

// The row or column, along the flow, where the gain triangle is tallest
// across the flow: its base.
int GainTriangleBase(const QImage& image, int orientation) {
  const bool vertical_flow = orientation == 1 || orientation == 3;
  const QRect inside(15, 11, 45, 28);
  int best = -1;
  int best_count = -1;
  const int first = vertical_flow ? inside.top() : inside.left();
  const int last = vertical_flow ? inside.bottom() : inside.right();
  for (int along = first; along <= last; ++along) {
    int count = 0;
    const int across_first = vertical_flow ? inside.left() : inside.top();
    const int across_last = vertical_flow ? inside.right() : inside.bottom();
    for (int across = across_first; across <= across_last; ++across) {
      const QPoint at = vertical_flow ? QPoint(across, along) : QPoint(along, across);
      // the flow line through the centre is not part of the triangle's side
      if ((vertical_flow ? at.x() : at.y()) == (vertical_flow ? 37 : 25)) continue;
      count += IsDark(image, at);
    }
    if (count > best_count) {
      best_count = count;
      best = along;
    }
  }
  return best;
}

TEST(ElementSymbol, GainTrianglePointsInTheFlowDirection) {
  EXPECT_LT(GainTriangleBase(ElementImage(200, 0), 0), 37);
  EXPECT_GT(GainTriangleBase(ElementImage(200, 2), 2), 37);
  EXPECT_LT(GainTriangleBase(ElementImage(200, 1), 1), 25);
  EXPECT_GT(GainTriangleBase(ElementImage(200, 3), 3), 25);
  const QRect inside(15, 11, 45, 28);
  EXPECT_NE(ElementImage(200, 0).copy(inside), ElementImage(200, 1).copy(inside));
}

TEST(ElementSymbol, PictogramsOtherThanTheGainStayUpright) {
  const QRect inside(15, 11, 45, 28);
  for (int code : AllCodes()) {
    if (code < 100 || code == 200) continue;
    const QImage upright = ElementImage(code, 0).copy(inside);
    EXPECT_GT(DrawnPixels(upright, upright.rect()), 0) << code;
    for (int o = 1; o < 4; ++o) {
      EXPECT_EQ(ElementImage(code, o).copy(inside), upright) << code << " orientation " << o;
    }
  }
}

TEST(ElementSymbol, EveryCodeHasItsOwnSymbol) {
  const std::vector<int> codes = AllCodes();
  for (size_t i = 0; i < codes.size(); ++i) {
    for (size_t j = i + 1; j < codes.size(); ++j) {
      EXPECT_NE(ElementImage(codes[i], 0), ElementImage(codes[j], 0))
          << codes[i] << " and " << codes[j];
    }
  }
}

TEST(ElementSymbol, UnknownCodesLeaveAnEmptyCell) {
  for (int code : {0, 21, 99, 114, 215, 400, 508}) {
    const QImage image = ElementImage(code, 0);
    EXPECT_EQ(DrawnPixels(image, image.rect()), 0) << code;
  }
}

TEST(ElementSymbol, SubtractionSummatorsFillTheQuarterOfTheirNegativeInput) {
  // 13 subtracts the input from below (at orientation 0), 14 the one from above.
  const QPoint below(37, 25 + 6);
  const QPoint above(37, 25 - 6);
  EXPECT_TRUE(IsDark(ElementImage(13, 0), below));
  EXPECT_FALSE(IsDark(ElementImage(13, 0), above));
  EXPECT_TRUE(IsDark(ElementImage(14, 0), above));
  EXPECT_FALSE(IsDark(ElementImage(14, 0), below));
  EXPECT_FALSE(IsDark(ElementImage(9, 0), below));
  // turned a quarter clockwise, the input from below comes from the left
  EXPECT_TRUE(IsDark(ElementImage(13, 1), QPoint(37 - 6, 25)));
}

TEST(ElementSymbol, SineInTheCellSwingsAQuarterOfTheInnerHeight) {
  // Inner height 30 in a 75 x 50 cell: crests 7 pixels from the centre line
  // y = 25, within x = 1.5 mh .. W - 1.5 mh = 21..54.
  const QImage image = ElementImage(100, 0);
  int top = 50;
  int bottom = -1;
  for (int y = 11; y <= 38; ++y) {
    for (int x = 15; x <= 59; ++x) {
      if (!IsDark(image, {x, y})) continue;
      EXPECT_GE(x, 21) << y;
      EXPECT_LE(x, 54) << y;
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  EXPECT_EQ(top, 25 - 7);
  EXPECT_EQ(bottom, 25 + 7);
}

TEST(DialogPicture, OnlyKindsWithParametersHaveOne) {
  for (const auto& entry : Catalogue()) {
    EXPECT_EQ(HasDialogPicture(entry.code), entry.param_count > 0) << entry.code;
    const QImage picture = DialogImage(entry.code);
    EXPECT_EQ(picture.size(), QSize(125, 121));
    EXPECT_EQ(DrawnPixels(picture, picture.rect()) > 0, entry.param_count > 0) << entry.code;
  }
}

TEST(DialogPicture, EveryKindHasItsOwnPicture) {
  std::vector<int> codes;
  for (const auto& entry : Catalogue()) {
    if (entry.param_count > 0) codes.push_back(entry.code);
  }
  for (size_t i = 0; i < codes.size(); ++i) {
    for (size_t j = i + 1; j < codes.size(); ++j) {
      EXPECT_NE(DialogImage(codes[i]), DialogImage(codes[j])) << codes[i] << " and " << codes[j];
    }
  }
}

// The dark pixels of the topmost row that has any, within `area`: the bar of
// a capital "T" is wide, the stem of a small "t" rises above its bar.
int TopRowWidth(const QImage& image, const QRect& area) {
  for (int y = area.top(); y <= area.bottom(); ++y) {
    int count = 0;
    for (int x = area.left(); x <= area.right(); ++x) count += IsDark(image, {x, y});
    if (count > 0) return count;
  }
  return 0;
}

TEST(DialogPicture, DelayIsACapitalTAboveItsSegmentWhereTheCellHasASmallT) {
  EXPECT_GE(TopRowWidth(DialogImage(203), QRect(0, 0, 125, 40)), 6);
  EXPECT_LE(TopRowWidth(ElementImage(203, 0), QRect(15, 11, 45, 10)), 3);
}

TEST(DialogPicture, SignalsLabelTheirLevelLeftOfTheValueAxis) {
  // "A" stands left of the value axis (x 16) at the high level of the signal.
  const QRect left_of_axis(0, 20, 14, 18);
  for (int code : {100, 101, 102, 104, 105, 107, 110, 111}) {
    const QImage picture = DialogImage(code);
    EXPECT_GT(DrawnPixels(picture, left_of_axis), 0) << code;
  }
}

bool HasBlue(const QImage& image) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (QColor(image.pixel(x, y)) == QColor(Qt::blue)) return true;
    }
  }
  return false;
}

TEST(DialogPicture, CharacteristicsWithKneesHaveBlueGuideLines) {
  for (int code : {300, 302, 304, 306, 308}) EXPECT_TRUE(HasBlue(DialogImage(code))) << code;
  for (int code : {301, 303, 305, 307, 204, 503}) EXPECT_FALSE(HasBlue(DialogImage(code))) << code;
}

}  // namespace
}  // namespace kortiv
