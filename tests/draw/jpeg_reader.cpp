#include "jpeg_reader.h"

#include <csetjmp>
#include <fstream>
#include <iterator>

namespace kortiv::test {
namespace {

struct ReadJob {
  jpeg_decompress_struct info{};
  jpeg_error_mgr error_manager{};
  std::jmp_buf return_point{};
};

void OnError(j_common_ptr info) {
  std::longjmp(static_cast<ReadJob*>(info->client_data)->return_point, 1);
}

bool Decode(ReadJob& job, const std::vector<unsigned char>& data, DecodedJpeg& out) {
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

}  // namespace

DecodedJpeg DecodeJpegFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  const std::vector<unsigned char> data{std::istreambuf_iterator<char>(file), {}};
  DecodedJpeg out;
  if (data.empty()) return out;
  ReadJob job;
  out.ok = Decode(job, data, out);
  jpeg_destroy_decompress(&job.info);
  return out;
}

}  // namespace kortiv::test
