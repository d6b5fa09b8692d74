#pragma once

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace kortiv {

// The first `max_bytes` bytes of a file (fewer when it is shorter);
// nothing when it cannot be opened.
std::optional<std::string> ReadFileBytes(const std::string& path, std::size_t max_bytes);

// Whether something exists at `path`.
bool FileExists(const std::string& path);

// Whether a file name ends in `ending` (given in lower case), in any case.
bool EndsWithNoCase(std::string_view name, std::string_view ending);

// The length of a file; nothing when it cannot be opened.
std::optional<std::size_t> FileLength(const std::string& path);

// Writes `bytes` to a new file beside `path` and renames it over `path`, so
// that a failed or interrupted write leaves the old file as it was.
bool WriteFileReplacing(const std::string& path, std::string_view bytes);

// The same for a text written piece by piece into a stream by `write`, so
// that a text larger than memory is never held whole.
bool WriteStreamReplacing(const std::string& path, const std::function<void(std::ostream&)>& write);

}  // namespace kortiv
