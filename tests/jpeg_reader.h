#pragma once

// Decodes JPEG files in the tests with libjpeg's own decompressor.
// clang-format off
#include <cstdio>
#include <jpeglib.h>
// clang-format on

#include <csetjmp>
#include <fstream>
#include <iterator>
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

namespace detail {

struct ReadJob {
  jpeg_decompress_struct info{};
  jpeg_error_mgr error_manager{};
  std::jmp_buf return_point{};
};

inline void OnError(j_common_ptr info) {
  std::longjmp(static_cast<ReadJob*>(info->client_data)->return_point, 1);
}

inline bool Decode(ReadJob& job, const std::vector<unsigned char>& data, DecodedJpeg& out) {
  job.info.err = jpeg_std_error(&job.error_manager);
  job.error_manager.error_exit = OnError;
  job.info.client_data = &job;
  if (setjmp(job.return_point) != 0) return false;
  jpeg_create_decompress(&job.info);
  jpeg_mem_src(&job.info, data.data(), static_cast<unsigned long>(data.size()));
  jpeg_read_header(&job.info, TRUE);
  job.info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&job.info);
  out.width = static_cast<int>(job.info.output_width);
  out.height = static_cast<int>(job.info.output_height);
  out.rgb.resize(static_cast<std::size_t>(out.width) * out.height * 3);
  while (job.info.output_scanline < job.info.output_height) {
    JSAMPROW row = &out.rgb[static_cast<std::size_t>(job.info.output_scanline) * out.width * 3];
    jpeg_read_scanlines(&job.info, &row, 1);
  }
  jpeg_finish_decompress(&job.info);
  return true;
}

}  // namespace detail

inline DecodedJpeg DecodeJpegFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  const std::vector<unsigned char> data{std::istreambuf_iterator<char>(file), {}};
  DecodedJpeg out;
  if (data.empty()) return out;
  detail::ReadJob job;
  out.ok = detail::Decode(job, data, out);
  jpeg_destroy_decompress(&job.info);
  return out;
}

}  // namespace kortiv::test
