#pragma once

#include <string>

#include "draw/drawn_picture.h"
#include "draw/picture_file.h"

namespace kortiv {

// The formats a picture can be saved in: the two of the picture save routine
// and, beside them, PNG and SVG (vector, drawn through the same painter).
enum class PictureFormat { kJpeg, kBitmap, kPng, kSvg };

// The format a name asks for by its extension (any case): ".svg" SVG,
// ".png" PNG, ".jpg" and ".jpeg" JPEG, every other name a bitmap.
PictureFormat PictureFormatForName(const std::string& name);

// The name the picture is written under: JPEG and bitmap by the rules of the
// save routine; for PNG and SVG likewise a name ending in ".bmp" or ".jpg"
// gets "png" or "svg" in place of its last three letters.
std::string ExportedPictureName(const std::string& name, PictureFormat format);

// Draws the picture and writes it under ExportedPictureName. PNG and SVG are
// written beside and renamed over the file; false when it could not be
// written.
bool ExportPicture(const DrawnPicture& picture, const std::string& name, PictureFormat format);

}  // namespace kortiv
