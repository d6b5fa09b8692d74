#include "picture_size.h"

#include <charconv>

namespace kortiv::calc_cli {
namespace {

constexpr int kLargestSide = 10000;

}  // namespace

std::optional<PictureSize> ParsePictureSize(const std::string& text) {
  PictureSize size;
  const char* end = text.data() + text.size();
  const auto [cross, width_error] = std::from_chars(text.data(), end, size.width);
  if (width_error != std::errc() || cross == end || *cross != 'x') return std::nullopt;
  const auto [last, height_error] = std::from_chars(cross + 1, end, size.height);
  if (height_error != std::errc() || last != end) return std::nullopt;
  const auto fits = [](int side) { return side >= 1 && side <= kLargestSide; };
  if (!fits(size.width) || !fits(size.height)) return std::nullopt;
  return size;
}

}  // namespace kortiv::calc_cli
