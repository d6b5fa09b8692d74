#pragma once

#include <string>

#include "draw/drawn_picture.h"

namespace kortiv {

class FileChooser;
class Messenger;

inline constexpr const char* kPlotPictureTitle = "Сохранить графики в файл (как рисунок)";
inline constexpr const char* kSchemePictureTitle = "Сохранить рисунок схемы в файл";

// The picture save dialog with the given title: JPEG, bitmap, PNG or SVG by
// the filter item, the name rules of each; the picture is written in the
// chosen format. False when cancelled or not written (reported).
bool SavePictureAs(const DrawnPicture& picture, const std::string& title, FileChooser& files,
                   Messenger& messenger);

}  // namespace kortiv
