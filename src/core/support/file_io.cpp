#include "support/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>

namespace kortiv {

std::optional<std::string> ReadFileBytes(const std::string& path, std::size_t max_bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes(max_bytes, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(max_bytes));
  if (in.bad()) return std::nullopt;
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return bytes;
}

bool FileExists(const std::string& path) {
  struct stat status {};
  return ::stat(path.c_str(), &status) == 0;
}

bool EndsWithNoCase(std::string_view name, std::string_view ending) {
  if (name.size() < ending.size()) return false;
  return std::equal(ending.begin(), ending.end(), name.end() - ending.size(), [](char a, char b) {
    return a == std::tolower(static_cast<unsigned char>(b));
  });
}

std::optional<std::size_t> FileLength(const std::string& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return std::nullopt;
  const std::streamoff length = in.tellg();
  if (length < 0) return std::nullopt;
  return static_cast<std::size_t>(length);
}

bool WriteFileReplacing(const std::string& path, std::string_view bytes) {
  return WriteStreamReplacing(path, [bytes](std::ostream& out) {
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  });
}

bool WriteStreamReplacing(const std::string& path,
                          const std::function<void(std::ostream&)>& write) {
  const std::string temporary = path + ".saving";
  std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
  if (file) write(file);
  if (file) file.close();
  bool written = static_cast<bool>(file) && !file.is_open();
  if (written) {
    const int fd = ::open(temporary.c_str(), O_RDONLY | O_CLOEXEC);
    written = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0) ::close(fd);
  }
  if (written && std::rename(temporary.c_str(), path.c_str()) == 0) return true;
  std::remove(temporary.c_str());
  return false;
}

}  // namespace kortiv
