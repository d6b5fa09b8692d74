#include "support/stream_messenger.h"

namespace kortiv {

void StreamMessenger::Show(std::string_view text, std::string_view caption) {
  if (!caption.empty()) out_ << caption << ": ";
  out_ << text << '\n';
}

bool StreamMessenger::Ask(std::string_view text, std::string_view title) {
  out_ << title << ": " << text << (answer_ ? " Да" : " Нет") << '\n';
  return answer_;
}

}  // namespace kortiv
