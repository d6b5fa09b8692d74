#include "draw/printout.h"

#include <gtest/gtest.h>

namespace kortiv {
namespace {

TEST(PageGeometry, ColumnsAndMarginsFollowThePageSize) {
  const PageGeometry page = PageGeometry::Of({4961, 7016});
  EXPECT_NEAR(page.d, 4961 / 4657.0, 1e-12);
  EXPECT_EQ(page.line_height, 106);  // trunc(100 · 1.0653)
  EXPECT_EQ(page.top, 350);
  EXPECT_EQ(page.bottom, 350);
  EXPECT_EQ(page.x1, 347);
  EXPECT_EQ(page.x2, 694);
  EXPECT_EQ(page.xa, 644);
  EXPECT_EQ(page.xs, 545);
}

TEST(PictureScale, WidePictureIsLoweredToSevenAndAHalf) {
  // a = 4800 · 0.8 / 340 ≈ 11.29; 6800 is not below 200 a; lowered to 7.5.
  const PageGeometry page = PageGeometry::Of({4800, 6800});
  EXPECT_NEAR(PictureScale({340, 200}, page), 7.5 * 4800 / 4657, 1e-9);
  EXPECT_NEAR(PictureScale({340, 200}, page), 7.73, 0.005);
}

TEST(PictureScale, TallPictureIsFittedToThePageHeight) {
  const PageGeometry page = PageGeometry::Of({4800, 6800});
  // At 1200 high, 1200 · 4800 · 0.8 / 600 > 6800, so a = 6800 · 0.8 / 1200.
  EXPECT_NEAR(PictureScale({600, 1200}, page), 6800 * 0.8 / 1200, 1e-9);
  // a = 6.4 leaves 6400 of 6800 pixels, but a·D would make it taller than
  // 80 % of the page.
  EXPECT_NEAR(PictureScale({600, 1000}, page), 6800 * 0.8 / 1000, 1e-9);
}

TEST(PictureScale, PictureNeverReachesPastThePage) {
  // A4 at 1200 dpi: D ≈ 2.13, a = 7.5, and 7.5 D for 662 pixels would be
  // 10 576 pixels on a page of 9921.
  const PageGeometry a4 = PageGeometry::Of({9921, 14031});
  EXPECT_NEAR(PictureScale({662, 380}, a4), 9921 * 0.86 / 662, 1e-9);
  // A picture wider than the page is not shrunk below 1 D.
  const PageGeometry small = PageGeometry::Of({1000, 1400});
  EXPECT_NEAR(PictureScale({2000, 1000}, small), small.d, 1e-12);
}

}  // namespace
}  // namespace kortiv
