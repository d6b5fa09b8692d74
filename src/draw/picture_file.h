#pragma once

#include <string>

class QImage;

namespace kortiv {

// The item chosen in the picture save dialog's filter list.
enum class PictureFilter : int { kJpeg = 1, kBitmap = 2 };

// The name a picture is written under: with the bitmap item a name ending in
// ".jpg" (any case) ends in "bmp" instead, with the JPEG item a name ending in
// ".bmp" ends in "jpg"; every other name is kept as it is.
std::string PictureFileName(const std::string& name, PictureFilter filter);

// The filter item that suits a name typed without a dialog: JPEG for names
// ending in ".jpg" or ".jpeg" (any case), the bitmap item for all others.
PictureFilter PictureFilterForName(const std::string& name);

// Writes the picture under PictureFileName(name, filter): a Windows bitmap
// with the bitmap item, a JPEG file with the encoder's default settings with
// the JPEG item. Returns false when the file could not be written.
bool SavePicture(const QImage& picture, const std::string& name, PictureFilter filter);

}  // namespace kortiv
