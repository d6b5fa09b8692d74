#include "draw/picture_export.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include "support/file_io.h"

namespace kortiv {
namespace {

// As the save routine treats a name typed for the other format: a name
// ending in ".bmp" or ".jpg" ends in the chosen extension instead.
std::string WithExtension(const std::string& name, const char* extension) {
  if (!EndsWithNoCase(name, ".bmp") && !EndsWithNoCase(name, ".jpg")) return name;
  return name.substr(0, name.size() - 3) + extension;
}

QImage DrawnImage(const DrawnPicture& picture) {
  QImage image(picture.size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  picture.draw(painter);
  return image;
}

// Writes through `write` into a file beside `name`, then renames it over.
template <typename Write>
bool WriteReplacing(const std::string& name, Write write) {
  const QString target = QString::fromStdString(name);
  const QString temporary = target + ".saving";
  if (!write(temporary)) {
    QFile::remove(temporary);
    return false;
  }
  if (QFile::exists(target) && !QFile::remove(target)) {
    QFile::remove(temporary);
    return false;
  }
  return QFile::rename(temporary, target);
}

bool WriteSvg(const DrawnPicture& picture, const QString& path) {
  QSvgGenerator svg;
  svg.setFileName(path);
  svg.setSize(picture.size);
  svg.setViewBox(QRect(QPoint(0, 0), picture.size));
  svg.setTitle("Kortiv");
  QPainter painter;
  if (!painter.begin(&svg)) return false;
  picture.draw(painter);
  return painter.end() && QFile::exists(path);
}

}  // namespace

PictureFormat PictureFormatForName(const std::string& name) {
  if (EndsWithNoCase(name, ".svg")) return PictureFormat::kSvg;
  if (EndsWithNoCase(name, ".png")) return PictureFormat::kPng;
  return PictureFilterForName(name) == PictureFilter::kJpeg ? PictureFormat::kJpeg
                                                            : PictureFormat::kBitmap;
}

std::string ExportedPictureName(const std::string& name, PictureFormat format) {
  switch (format) {
    case PictureFormat::kJpeg:
      return PictureFileName(name, PictureFilter::kJpeg);
    case PictureFormat::kBitmap:
      return PictureFileName(name, PictureFilter::kBitmap);
    case PictureFormat::kPng:
      return WithExtension(name, "png");
    case PictureFormat::kSvg:
      return WithExtension(name, "svg");
  }
  return name;
}

bool ExportPicture(const DrawnPicture& picture, const std::string& name, PictureFormat format) {
  switch (format) {
    case PictureFormat::kJpeg:
      return SavePicture(DrawnImage(picture), name, PictureFilter::kJpeg);
    case PictureFormat::kBitmap:
      return SavePicture(DrawnImage(picture), name, PictureFilter::kBitmap);
    case PictureFormat::kPng:
      return WriteReplacing(ExportedPictureName(name, format), [&](const QString& path) {
        return DrawnImage(picture).save(path, "PNG");
      });
    case PictureFormat::kSvg:
      return WriteReplacing(ExportedPictureName(name, format),
                            [&](const QString& path) { return WriteSvg(picture, path); });
  }
  return false;
}

}  // namespace kortiv
