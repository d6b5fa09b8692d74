#pragma once

#include <string>
#include <string_view>

namespace kortiv {

// Every message box and question of the system goes through this interface:
// the desktop program answers with message boxes, the batch runner with
// standard error, the tests with a recorder.
class Messenger {
 public:
  virtual ~Messenger() = default;

  // A plain modal message; an empty caption means the application title.
  virtual void Show(std::string_view text, std::string_view caption = {}) = 0;

  // A Yes/No question; true means Yes.
  virtual bool Ask(std::string_view text, std::string_view title) = 0;
};

// The title of every Yes/No question of the editor and the analysis.
inline constexpr std::string_view kConfirmTitle = "Подтверждение";

}  // namespace kortiv
