#include "ui/results/picture_saving.h"

#include <array>

#include "document/file_chooser.h"
#include "draw/picture_export.h"
#include "support/messenger.h"

namespace kortiv {
namespace {

// The save dialog's filter items in their order, with their formats.
struct PictureItem {
  FileFilter filter;
  PictureFormat format;
};

const std::array<PictureItem, 4>& PictureItems() {
  static const std::array<PictureItem, 4> items{{
      {{"JPEG Image File (*.jpg, *.jpeg)", "*.jpg *.jpeg"}, PictureFormat::kJpeg},
      {{"Bitmaps (*.bmp)", "*.bmp"}, PictureFormat::kBitmap},
      {{"PNG Image File (*.png)", "*.png"}, PictureFormat::kPng},
      {{"SVG Drawing (*.svg)", "*.svg"}, PictureFormat::kSvg},
  }};
  return items;
}

}  // namespace

bool SavePictureAs(const DrawnPicture& picture, const std::string& title, FileChooser& files,
                   Messenger& messenger) {
  FileRequest request;
  request.kind = FileRequest::Kind::kSave;
  request.title = title;
  for (const PictureItem& item : PictureItems()) request.filters.push_back(item.filter);
  request.default_extension = "bmp";
  request.overwrite_prompt = true;
  const std::optional<FileChoice> choice = files.Choose(request);
  if (!choice || choice->path.empty()) return false;
  const auto index = static_cast<std::size_t>(choice->filter_index);
  const PictureFormat format =
      index < PictureItems().size() ? PictureItems()[index].format : PictureFormat::kBitmap;
  if (ExportPicture(picture, choice->path, format)) return true;
  messenger.Show("Файл " + ExportedPictureName(choice->path, format) + " не удаётся создать.");
  return false;
}

}  // namespace kortiv
