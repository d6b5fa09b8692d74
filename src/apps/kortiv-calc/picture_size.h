#pragma once

#include <optional>
#include <string>

namespace kortiv::calc_cli {

// The size of a picture drawn by the batch runner, 640 x 400 unless given.
struct PictureSize {
  int width = 640;
  int height = 400;
};

// Reads "WxH" with both sides 1..10000.
std::optional<PictureSize> ParsePictureSize(const std::string& text);

}  // namespace kortiv::calc_cli
