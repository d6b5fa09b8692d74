// The scheme command exists when kortiv-calc is built with the draw layer.
#ifdef KORTIV_CALC_WITH_DRAW

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// An uncompressed Windows bitmap of 24 or 32 bits per pixel, read back.
class Bitmap {
 public:
  explicit Bitmap(std::string bytes) : bytes_(std::move(bytes)) {}

  bool Valid() const {
    return bytes_.size() > 54 && bytes_.compare(0, 2, "BM") == 0 &&
           (BitsPerPixel() == 24 || BitsPerPixel() == 32);
  }
  int Width() const { return static_cast<int>(Word(18, 4)); }
  int Height() const { return static_cast<int>(Word(22, 4)); }
  // Red, green and blue of pixel x, y (y from the top) as 0xRRGGBB.
  std::uint32_t Pixel(int x, int y) const {
    const int bytes_per_pixel = BitsPerPixel() / 8;
    const int stride = (Width() * bytes_per_pixel + 3) / 4 * 4;
    const std::size_t at = Word(10, 4) + static_cast<std::size_t>(Height() - 1 - y) * stride +
                           static_cast<std::size_t>(x) * bytes_per_pixel;
    return Word(at, 3);
  }

 private:
  int BitsPerPixel() const { return static_cast<int>(Word(28, 2)); }
  std::uint32_t Word(std::size_t at, int size) const {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
      value = value << 8 | static_cast<unsigned char>(bytes_[at + i]);
    }
    return value;
  }

  std::string bytes_;
};

constexpr int kRulerWidth = 32;
constexpr int kRulerHeight = 20;

class SchemeCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("kortiv-scheme-" + std::to_string(::getpid()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }

  int Run(const std::string& arguments) {
    const std::string command = std::string(KORTIV_CALC) + " scheme " + arguments + " >" +
                                (dir / "out").string() + " 2>" + (dir / "err").string();
    const int status = std::system(command.c_str());
    err = Slurp(dir / "err");
    return WEXITSTATUS(status);
  }

  static std::string Example(int k) {
    return (fs::path(KORTIV_TEST_DATA) / ("example" + std::to_string(k) + ".krt")).string();
  }

  fs::path dir;
  std::string err;
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
