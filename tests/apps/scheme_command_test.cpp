// The scheme command exists when kortiv-calc is built with the draw layer.
#ifdef KORTIV_CALC_WITH_DRAW

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "bitmap_reader.h"
#include "calc_runner.h"

namespace {

namespace fs = std::filesystem;

using kortiv::test::Bitmap;

constexpr int kRulerWidth = 32;
constexpr int kRulerHeight = 20;

class SchemeCommand : public kortiv::test::CalcRunner {
 protected:
  int Run(const std::string& arguments) { return CalcRunner::Run("scheme " + arguments); }
};

TEST_F(SchemeCommand, SavesTheSmallestFieldThatShowsTheScheme) {
  const fs::path picture = dir / "e5.bmp";
  ASSERT_EQ(Run(Example(5) + " -o " + picture.string()), 0);
  EXPECT_EQ(err, "");
  const Bitmap bitmap(Slurp(picture));
  ASSERT_TRUE(bitmap.Valid());
  EXPECT_EQ(bitmap.Width(), kRulerWidth + 9 * 75);
  EXPECT_EQ(bitmap.Height(), kRulerHeight + 7 * 50);
  // Example 5 starts with a step source in scheme cell 1, 1: its box's
  // top left corner is black, the cell's own corner is the empty colour.
  EXPECT_EQ(bitmap.Pixel(kRulerWidth + 14, kRulerHeight + 10), 0x000000u);
  EXPECT_NE(bitmap.Pixel(kRulerWidth, kRulerHeight), 0x000000u);
  // The scheme's columns reach past 9 in example 2: the next field size.
  ASSERT_EQ(Run(Example(2) + " -o " + picture.string()), 0);
  EXPECT_EQ(Bitmap(Slurp(picture)).Width(), kRulerWidth + 11 * 75);
  EXPECT_EQ(Bitmap(Slurp(picture)).Height(), kRulerHeight + 9 * 50);
}

TEST_F(SchemeCommand, WindowSizeAndOriginAreTakenAsGiven) {
  const fs::path picture = dir / "e5.bmp";
  ASSERT_EQ(Run(Example(5) + " -o " + picture.string() + " --cols 3 --rows 2 --origin 2,2"), 0);
  const Bitmap bitmap(Slurp(picture));
  ASSERT_TRUE(bitmap.Valid());
  EXPECT_EQ(bitmap.Width(), kRulerWidth + 3 * 75);
  EXPECT_EQ(bitmap.Height(), kRulerHeight + 2 * 50);
  // the source of cell 1, 1 is out of the window now
  EXPECT_NE(bitmap.Pixel(kRulerWidth + 14, kRulerHeight + 10), 0x000000u);
}

TEST_F(SchemeCommand, JpegNamesGetJpegData) {
  const fs::path picture = dir / "e1.jpg";
  ASSERT_EQ(Run(Example(1) + " -o " + picture.string()), 0);
  const std::string bytes = Slurp(picture);
  ASSERT_GT(bytes.size(), 2u);
  EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xFF);
  EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xD8);
}

TEST_F(SchemeCommand, UsageAndFileErrorsExitWithTwo) {
  const std::string usage =
      "Использование: kortiv-calc scheme MODEL.krt -o PICTURE [--cols C --rows R] "
      "[--origin ROW,COL]\n";
  EXPECT_EQ(Run(Example(1)), 2);
  EXPECT_EQ(err, usage);
  EXPECT_EQ(Run(Example(1) + " -o x.bmp --cols 5"), 2);
  EXPECT_EQ(err, usage);
  EXPECT_EQ(Run(Example(1) + " -o x.bmp --origin 3"), 2);
  EXPECT_EQ(err, usage);
  EXPECT_EQ(Run(Example(1) + " -o x.bmp --origin -2147483648,1"), 2);
  EXPECT_EQ(err, usage);
  EXPECT_EQ(Run(Example(1) + " -o x.bmp --origin 1,1000001"), 2);
  EXPECT_EQ(err, usage);
  EXPECT_EQ(Run(Example(1) + " -o x.bmp --cols 0 --rows 4"), 2);
  EXPECT_EQ(err, usage);
  const fs::path missing = dir / "no-folder" / "x.bmp";
  EXPECT_EQ(Run(Example(1) + " -o " + missing.string()), 2);
  EXPECT_EQ(err, "Файл " + missing.string() + " не удаётся создать.\n");
  EXPECT_EQ(Run((dir / "none.krt").string() + " -o " + (dir / "x.bmp").string()), 2);
  EXPECT_EQ(err, "Файл " + (dir / "none.krt").string() + " не удаётся открыть.\n");
  EXPECT_FALSE(fs::exists(dir / "x.bmp"));
}

}  // namespace

#endif
