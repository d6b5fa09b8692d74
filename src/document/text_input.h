#pragma once

#include <optional>
#include <string>

namespace kortiv {

// An input box: a title, a prompt and the text it starts with.
struct TextRequest {
  std::string title;
  std::string prompt;
  std::string initial;
};

// The desktop program answers with an input box, tests with a recorder.
class TextInput {
 public:
  virtual ~TextInput() = default;
  // The text entered, or nothing when the box is cancelled.
  virtual std::optional<std::string> AskText(const TextRequest& request) = 0;
};

// For programs without dialogs: every box is cancelled.
class NoTextInput : public TextInput {
 public:
  std::optional<std::string> AskText(const TextRequest&) override { return std::nullopt; }
};

}  // namespace kortiv
