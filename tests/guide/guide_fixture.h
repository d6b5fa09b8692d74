#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace kortiv::test {

inline std::string ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The guide as the build wrote it.
inline std::filesystem::path GuideDir() {
  return KORTIV_GUIDE_DIR;
}
inline std::string GuideHtml() {
  return ReadWholeFile(GuideDir() / "index.html");
}

}  // namespace kortiv::test
