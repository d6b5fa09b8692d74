#include "draw/picture_file.h"

// jpeglib.h needs FILE and size_t declared before it.
// clang-format off
#include <cstdio>
#include <jpeglib.h>
// clang-format on

#include <QFile>
#include <QImage>
#include <algorithm>
#include <cctype>
#include <csetjmp>
#include <cstdlib>
#include <vector>

namespace kortiv {
namespace {

std::string LowerTail(const std::string& name, std::size_t length) {
  std::string tail = name.size() >= length ? name.substr(name.size() - length) : name;
  std::transform(tail.begin(), tail.end(), tail.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return tail;
}

// libjpeg reports a fatal error by calling error_exit, which must not return:
// it jumps back to the compressing function instead of ending the program.
// The job lives in the caller's frame, so its fields keep their values across
// the jump.
struct JpegJob {
  jpeg_compress_struct info{};
  jpeg_error_mgr error_manager{};
  std::jmp_buf return_point{};
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
};

void OnJpegError(j_common_ptr info) {
  std::longjmp(static_cast<JpegJob*>(info->client_data)->return_point, 1);
}

bool Compress(JpegJob& job, const unsigned char* rgb, int width, int height, int stride) {
  job.info.err = jpeg_std_error(&job.error_manager);
  job.error_manager.error_exit = OnJpegError;
  job.info.client_data = &job;
  if (setjmp(job.return_point) != 0) return false;
  jpeg_create_compress(&job.info);
  jpeg_mem_dest(&job.info, &job.buffer, &job.size);
  job.info.image_width = static_cast<JDIMENSION>(width);
  job.info.image_height = static_cast<JDIMENSION>(height);
  job.info.input_components = 3;
  job.info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&job.info);
  jpeg_start_compress(&job.info, TRUE);
  while (job.info.next_scanline < job.info.image_height) {
    const std::size_t offset = static_cast<std::size_t>(stride) * job.info.next_scanline;
    JSAMPROW row = const_cast<unsigned char*>(rgb + offset);
    jpeg_write_scanlines(&job.info, &row, 1);
  }
  jpeg_finish_compress(&job.info);
  return true;
}

// Compresses tightly packed RGB rows into a JPEG stream in memory.
bool CompressRgb(const unsigned char* rgb, int width, int height, int stride,
                 std::vector<unsigned char>& jpeg) {
  JpegJob job;
  const bool done = Compress(job, rgb, width, height, stride);
  if (done) jpeg.assign(job.buffer, job.buffer + job.size);
  jpeg_destroy_compress(&job.info);
  std::free(job.buffer);
  return done;
}

bool SaveJpeg(const QImage& picture, const QString& name) {
  if (picture.isNull()) return false;
  const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
  std::vector<unsigned char> jpeg;
  if (!CompressRgb(rgb.constBits(), rgb.width(), rgb.height(), static_cast<int>(rgb.bytesPerLine()),
                   jpeg)) {
    return false;
  }
  QFile file(name);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  const auto length = static_cast<qint64>(jpeg.size());
  return file.write(reinterpret_cast<const char*>(jpeg.data()), length) == length;
}

}  // namespace

std::string PictureFileName(const std::string& name, PictureFilter filter) {
  const std::string extension = LowerTail(name, 4);
  std::string result = name;
  if (filter == PictureFilter::kBitmap && extension == ".jpg") {
    result.replace(result.size() - 3, 3, "bmp");
  } else if (filter == PictureFilter::kJpeg && extension == ".bmp") {
    result.replace(result.size() - 3, 3, "jpg");
  }
  return result;
}

PictureFilter PictureFilterForName(const std::string& name) {
  const bool jpeg = LowerTail(name, 4) == ".jpg" || LowerTail(name, 5) == ".jpeg";
  return jpeg ? PictureFilter::kJpeg : PictureFilter::kBitmap;
}

bool SavePicture(const QImage& picture, const std::string& name, PictureFilter filter) {
  const QString file_name = QString::fromStdString(PictureFileName(name, filter));
  if (filter == PictureFilter::kJpeg) return SaveJpeg(picture, file_name);
  return !picture.isNull() && picture.save(file_name, "BMP");
}

}  // namespace kortiv
