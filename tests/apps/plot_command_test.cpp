// The plot command exists when kortiv-calc is built with the draw layer.
#ifdef KORTIV_CALC_WITH_DRAW

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "bitmap_reader.h"
#include "calc_runner.h"
#include "jpeg_reader.h"
#include "scheme_builder.h"

namespace kortiv {
namespace {

using test::Bitmap;
using test::WithParams;

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kBlue = 0x0000FF;

const std::string kUsage =
    "Использование: kortiv-calc plot MODEL.krt -o PICTURE [--size WxH] [--portrait] "
    "[--from A] [--to C] [--every B] [--settings Kortiv.usr] [--deriv K] [--ode K] [--hertz] "
    "[--degrees] [--no-unwrap] [--yes]\n";

class PlotCommand : public test::CalcRunner {
 protected:
  std::string Model(const std::vector<WithParams>& elements) {
    const std::string path = (dir / "model.krt").string();
    EXPECT_TRUE(test::WriteModel(path, elements, 0.01f, 2));
    return path;
  }

  // A sweep generator over 10^-1..10^2 rad/s, 10 points a decade, into
  // 2/(p + 1) with control point 1, then an integrator with point 2.
  std::string Sweep(int plot_kind) {
    return Model({{{1, 1, 112}, {-1, 2, float(plot_kind / 10), float(plot_kind % 10), 10}},
                  {{1, 2, 204, 0, 1}, {2, 1, 0}},
                  {{1, 3, 201, 0, 2}, {1, 0}}});
  }

  // A step into 1/(p + 1) (point 1) and an integrator (point 2).
  std::string Pair() {
    return Model(
        {{{1, 1, 101}, {1, 0}}, {{1, 2, 204, 0, 1}, {1, 1, 0}}, {{1, 3, 201, 0, 2}, {1, 0}}});
  }

  Bitmap Picture(const std::string& name) const { return Bitmap(Slurp(dir / name)); }

  std::string PathOf(const std::string& name) const { return (dir / name).string(); }

  static int CountColour(const Bitmap& picture, std::uint32_t colour) {
    int count = 0;
    for (int y = 0; y < picture.Height(); ++y) {
      for (int x = 0; x < picture.Width(); ++x) count += picture.Pixel(x, y) == colour;
    }
    return count;
  }
};

TEST_F(PlotCommand, TimeRunOfAnExampleIsABitmapOfTheDefaultSize) {
  ASSERT_EQ(Run("plot " + Example(5) + " -o " + PathOf("plot.bmp")), 0) << err;
  EXPECT_EQ(err, "");
  EXPECT_EQ(out, "");
  const Bitmap picture = Picture("plot.bmp");
  ASSERT_TRUE(picture.Valid());
  ASSERT_EQ(picture.Width(), 640);
  ASSERT_EQ(picture.Height(), 400);
  EXPECT_EQ(picture.Pixel(0, 0), kWhite);
  EXPECT_EQ(picture.Pixel(639, 399), kWhite);
  // Values 0..1 over 0..5 s: the axes stand at the left and bottom edges of
  // the plot area, from (30, 20) to (610, 380).
  for (int y = 100; y <= 300; ++y) EXPECT_EQ(picture.Pixel(30, y), kBlack) << y;
  for (int x = 200; x <= 600; x += 7) EXPECT_EQ(picture.Pixel(x, 380), kBlack) << x;
  // Point 1 holds 1 all along the top; point 2 falls as e^-t, through 0.368
  // (y 247) at t = 1 (x 146).
  EXPECT_EQ(picture.Pixel(300, 20), kRed);
  bool blue = false;
  for (int y = 244; y <= 250; ++y) blue = blue || picture.Pixel(146, y) == kBlue;
  EXPECT_TRUE(blue);
}

TEST_F(PlotCommand, SizeAndJpegByTheName) {
  ASSERT_EQ(Run("plot " + Example(1) + " --size 320x200 -o " + PathOf("plot.jpg")), 0) << err;
  const auto jpeg = test::DecodeJpegFile(PathOf("plot.jpg"));
  ASSERT_TRUE(jpeg.ok);
  EXPECT_EQ(jpeg.width, 320);
  EXPECT_EQ(jpeg.height, 200);
  EXPECT_GT(jpeg.Pixel(1, 398 / 2), 0xF0F0F0u);  // the white margin
  ASSERT_EQ(Run("plot " + Example(1) + " -o " + PathOf("plot.JPEG")), 0) << err;
  const auto named = test::DecodeJpegFile(PathOf("plot.JPEG"));
  ASSERT_TRUE(named.ok);
  EXPECT_EQ(named.width, 640);
}

TEST_F(PlotCommand, EveryFrequencyCharacteristic) {
  for (int kind : {0, 1, 2, 10, 11, 12, 20, 21, 22, 30}) {
    const std::string name = "sweep" + std::to_string(kind) + ".bmp";
    ASSERT_EQ(Run("plot " + Sweep(kind) + " --degrees -o " + PathOf(name)), 0) << kind << err;
    EXPECT_EQ(err, "") << kind;
    const Bitmap picture = Picture(name);
    ASSERT_TRUE(picture.Valid()) << kind;
    EXPECT_GT(CountColour(picture, kRed), 150) << kind;
    EXPECT_GT(CountColour(picture, kBlue), 150) << kind;
  }
}

TEST_F(PlotCommand, PhasePortraitOfAPair) {
  ASSERT_EQ(Run("plot " + Pair() + " --portrait -o " + PathOf("portrait.bmp")), 0) << err;
  EXPECT_EQ(err, "");
  const Bitmap picture = Picture("portrait.bmp");
  ASSERT_TRUE(picture.Valid());
  EXPECT_GT(CountColour(picture, kRed), 300);
  EXPECT_EQ(CountColour(picture, kBlue), 0);  // one pair, one curve
}

TEST_F(PlotCommand, RefusedRunsWriteNoPicture) {
  const std::string odd = Model({{{1, 1, 101, 0, 1}, {1, 0}}});
  EXPECT_EQ(Run("plot " + odd + " --portrait -o " + PathOf("none.bmp")), 1);
  EXPECT_NE(err, "");
  EXPECT_FALSE(std::filesystem::exists(dir / "none.bmp"));
}

TEST_F(PlotCommand, UsageAndFileErrors) {
  for (const std::string& wrong :
       {Example(5), Example(5) + " -o", Example(5) + " -o a.bmp --size",
        Example(5) + " -o a.bmp --size 0x10", Example(5) + " -o a.bmp --size 10x",
        Example(5) + " -o a.bmp --size 10x20x30", Example(5) + " -o a.bmp --size 10001x20",
        Example(5) + " -o a.bmp --unknown"}) {
    EXPECT_EQ(Run("plot " + wrong), 2) << wrong;
    EXPECT_EQ(err, kUsage) << wrong;
  }
  const std::string missing = PathOf("no/such/folder/plot.jpg");
  EXPECT_EQ(Run("plot " + Example(5) + " -o " + missing), 2);
  EXPECT_EQ(err, "Файл " + missing + " не удаётся создать.\n");
  EXPECT_EQ(Run("plot " + PathOf("none.krt") + " -o " + PathOf("a.bmp")), 2);
  EXPECT_NE(err, "");
}

}  // namespace
}  // namespace kortiv

#endif
