#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "document/file_chooser.h"

namespace kortiv::test {

// Records every file request; answers from a queue of prepared choices
// (cancel when the queue is empty or holds nothing).
class RecordingFileChooser : public FileChooser {
 public:
  std::optional<FileChoice> Choose(const FileRequest& request) override {
    requests.push_back(request);
    if (answers.empty()) return std::nullopt;
    std::optional<FileChoice> answer = answers.front();
    answers.pop_front();
    return answer;
  }

  // Queues a choice of `path`; the filter index stays the one asked for.
  void Answer(const std::string& path, int filter_index = 0) {
    answers.push_back(FileChoice{path, filter_index});
  }
  void Cancel() { answers.push_back(std::nullopt); }

  std::vector<FileRequest> requests;
  std::deque<std::optional<FileChoice>> answers;
};

}  // namespace kortiv::test
