#pragma once

// Decodes JPEG files in the draw tests with libjpeg's own decompressor.
// clang-format off
#include <cstdio>
#include <jpeglib.h>
// clang-format on

#include <string>
#include <vector>

namespace kortiv::test {

struct DecodedJpeg {
  bool ok = false;
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgb;  // rows of width * 3 bytes

  // The colour at (x, y) as 0xRRGGBB.
  unsigned Pixel(int x, int y) const {
    const unsigned char* p = &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
    return (p[0] << 16) | (p[1] << 8) | p[2];
  }
};

DecodedJpeg DecodeJpegFile(const std::string& path);

}  // namespace kortiv::test
