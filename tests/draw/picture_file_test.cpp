#include "draw/picture_file.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "jpeg_reader.h"

namespace kortiv {
namespace {

using test::DecodeJpegFile;

std::string Head(const std::string& path, std::size_t count) {
  std::ifstream file(path, std::ios::binary);
  std::string bytes(count, '\0');
  file.read(bytes.data(), static_cast<std::streamsize>(count));
  bytes.resize(static_cast<std::size_t>(file.gcount()));
  return bytes;
}

bool IsBitmapFile(const std::string& path) {
  return Head(path, 2) == "BM";
}
bool IsJpegFile(const std::string& path) {
  return Head(path, 3) == "\xFF\xD8\xFF";
}

// A picture with a white field and a red block in its upper left quarter.
QImage TestPicture(int width, int height) {
  QImage picture(width, height, QImage::Format_RGB32);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  painter.fillRect(0, 0, width / 2, height / 2, QColor(255, 0, 0));
  return picture;
}

int Distance(unsigned colour, unsigned expected) {
  int sum = 0;
  for (int shift : {16, 8, 0}) {
    sum += std::abs(static_cast<int>((colour >> shift) & 0xFF) -
                    static_cast<int>((expected >> shift) & 0xFF));
  }
  return sum;
}

TEST(PictureFileName, BitmapItemTurnsJpgIntoBmpKeepingTheRestOfTheName) {
  EXPECT_EQ(PictureFileName("/tmp/Plot.JPG", PictureFilter::kBitmap), "/tmp/Plot.bmp");
  EXPECT_EQ(PictureFileName("plot.jpg", PictureFilter::kBitmap), "plot.bmp");
  EXPECT_EQ(PictureFileName("Схема.Jpg", PictureFilter::kBitmap), "Схема.bmp");
}

TEST(PictureFileName, JpegItemTurnsBmpIntoJpg) {
  EXPECT_EQ(PictureFileName("plot.bmp", PictureFilter::kJpeg), "plot.jpg");
  EXPECT_EQ(PictureFileName("PLOT.BMP", PictureFilter::kJpeg), "PLOT.jpg");
}

TEST(PictureFileName, OtherNamesKeepTheirExtension) {
  for (PictureFilter filter : {PictureFilter::kJpeg, PictureFilter::kBitmap}) {
    EXPECT_EQ(PictureFileName("plot.jpeg", filter), "plot.jpeg");
    EXPECT_EQ(PictureFileName("plot.png", filter), "plot.png");
    EXPECT_EQ(PictureFileName("plot", filter), "plot");
    EXPECT_EQ(PictureFileName("jpg", filter), "jpg");
    EXPECT_EQ(PictureFileName("", filter), "");
  }
  EXPECT_EQ(PictureFileName("plot.bmp", PictureFilter::kBitmap), "plot.bmp");
  EXPECT_EQ(PictureFileName("plot.jpg", PictureFilter::kJpeg), "plot.jpg");
  EXPECT_EQ(PictureFileName("plot.xjpg", PictureFilter::kBitmap), "plot.xjpg");
}

TEST(PictureFilterForName, JpegOnlyForJpgAndJpegNames) {
  EXPECT_EQ(PictureFilterForName("a.jpg"), PictureFilter::kJpeg);
  EXPECT_EQ(PictureFilterForName("a.JPEG"), PictureFilter::kJpeg);
  EXPECT_EQ(PictureFilterForName("a.bmp"), PictureFilter::kBitmap);
  EXPECT_EQ(PictureFilterForName("a.png"), PictureFilter::kBitmap);
  EXPECT_EQ(PictureFilterForName("jpeg"), PictureFilter::kBitmap);
}

class SavePictureTest : public ::testing::Test {
 protected:
  std::string PathOf(const std::string& name) const {
    return directory_.filePath(QString::fromStdString(name)).toStdString();
  }
  QTemporaryDir directory_;
};

TEST_F(SavePictureTest, BitmapKeepsEveryPixel) {
  const QImage picture = TestPicture(37, 23);
  ASSERT_TRUE(SavePicture(picture, PathOf("plot.bmp"), PictureFilter::kBitmap));
  ASSERT_TRUE(IsBitmapFile(PathOf("plot.bmp")));
  const QImage back(QString::fromStdString(PathOf("plot.bmp")));
  ASSERT_EQ(back.size(), picture.size());
  EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), picture);
}

TEST_F(SavePictureTest, BitmapItemWithJpgNameWritesBitmapUnderBmpName) {
  ASSERT_TRUE(SavePicture(TestPicture(10, 10), PathOf("plot.JPG"), PictureFilter::kBitmap));
  EXPECT_TRUE(IsBitmapFile(PathOf("plot.bmp")));
  EXPECT_FALSE(QFile::exists(QString::fromStdString(PathOf("plot.JPG"))));
}

TEST_F(SavePictureTest, JpegItemWithDefaultExtensionWritesJpegUnderJpgName) {
  // A name typed without extension gets the dialog's default "bmp".
  ASSERT_TRUE(SavePicture(TestPicture(64, 40), PathOf("plot.bmp"), PictureFilter::kJpeg));
  EXPECT_FALSE(QFile::exists(QString::fromStdString(PathOf("plot.bmp"))));
  const std::string path = PathOf("plot.jpg");
  ASSERT_TRUE(IsJpegFile(path));
  const auto decoded = DecodeJpegFile(path);
  ASSERT_TRUE(decoded.ok);
  EXPECT_EQ(decoded.width, 64);
  EXPECT_EQ(decoded.height, 40);
  // Away from the block's edge the colours survive the compression closely.
  EXPECT_LT(Distance(decoded.Pixel(8, 8), 0xFF0000), 40);
  EXPECT_LT(Distance(decoded.Pixel(55, 30), 0xFFFFFF), 40);
  EXPECT_LT(Distance(decoded.Pixel(55, 8), 0xFFFFFF), 40);
}

TEST_F(SavePictureTest, JpegNameGetsTheDataOfTheChosenItem) {
  ASSERT_TRUE(SavePicture(TestPicture(8, 8), PathOf("a.jpeg"), PictureFilter::kBitmap));
  EXPECT_TRUE(IsBitmapFile(PathOf("a.jpeg")));
  ASSERT_TRUE(SavePicture(TestPicture(8, 8), PathOf("b.jpeg"), PictureFilter::kJpeg));
  EXPECT_TRUE(IsJpegFile(PathOf("b.jpeg")));
}

TEST_F(SavePictureTest, JpegOfAnOddSizedPictureDecodesToThatSize) {
  ASSERT_TRUE(SavePicture(TestPicture(641, 3), PathOf("odd.jpg"), PictureFilter::kJpeg));
  const auto decoded = DecodeJpegFile(PathOf("odd.jpg"));
  ASSERT_TRUE(decoded.ok);
  EXPECT_EQ(decoded.width, 641);
  EXPECT_EQ(decoded.height, 3);
}

TEST_F(SavePictureTest, ReportsWhatCannotBeWritten) {
  const std::string missing = PathOf("no/such/folder/plot");
  EXPECT_FALSE(SavePicture(TestPicture(8, 8), missing + ".jpg", PictureFilter::kJpeg));
  EXPECT_FALSE(SavePicture(TestPicture(8, 8), missing + ".bmp", PictureFilter::kBitmap));
  EXPECT_FALSE(SavePicture(QImage(), PathOf("empty.jpg"), PictureFilter::kJpeg));
  EXPECT_FALSE(SavePicture(QImage(), PathOf("empty.bmp"), PictureFilter::kBitmap));
}

}  // namespace
}  // namespace kortiv
