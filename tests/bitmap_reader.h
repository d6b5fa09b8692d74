#pragma once

// Reads back the Windows bitmaps that the programs write, without Qt.
#include <cstdint>
#include <string>

namespace kortiv::test {

// An uncompressed Windows bitmap of 24 or 32 bits per pixel.
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

}  // namespace kortiv::test
