#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kortiv {

// One entry of a file dialog's filter list: "Kortiv model (*.krt)" and "*.krt".
struct FileFilter {
  std::string description;
  std::string pattern;
};

// What a command asks the user to choose: the desktop program answers with a
// file dialog, tests with a recorder.
struct FileRequest {
  enum class Kind { kOpen, kSave };
  Kind kind = Kind::kOpen;
  std::string title;  // empty: the dialog's own title
  std::vector<FileFilter> filters;
  std::string default_extension;  // without the dot; empty: none
  std::string initial_name;
  bool overwrite_prompt = false;  // save: ask before replacing a file
  bool must_exist = false;        // open: only an existing file
  int filter_index = 0;           // 0-based filter chosen at the start
};

struct FileChoice {
  std::string path;
  int filter_index = 0;  // 0-based filter the user ended with
};

class FileChooser {
 public:
  virtual ~FileChooser() = default;
  // The chosen file, or nothing when the user cancels.
  virtual std::optional<FileChoice> Choose(const FileRequest& request) = 0;
};

// For programs without dialogs: every request is cancelled.
class NoFileChooser : public FileChooser {
 public:
  std::optional<FileChoice> Choose(const FileRequest&) override { return std::nullopt; }
};

}  // namespace kortiv
