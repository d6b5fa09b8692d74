#include "document/thread_routed_messenger.h"

namespace kortiv {

ThreadRoutedMessenger::ThreadRoutedMessenger(Messenger& target)
    : target_(target), ui_thread_(std::this_thread::get_id()) {}

void ThreadRoutedMessenger::Show(std::string_view text, std::string_view caption) {
  if (OnUiThread()) {
    target_.Show(text, caption);
    return;
  }
  std::lock_guard lock(mutex_);
  queue_.push_back({std::string(text), std::string(caption)});
}

bool ThreadRoutedMessenger::Ask(std::string_view text, std::string_view title) {
  if (OnUiThread()) return target_.Ask(text, title);
  Show(text, title);
  return false;
}

void ThreadRoutedMessenger::DeliverQueued() {
  std::vector<Queued> queued;
  {
    std::lock_guard lock(mutex_);
    queued.swap(queue_);
  }
  for (const Queued& message : queued) target_.Show(message.text, message.caption);
}

bool ThreadRoutedMessenger::HasQueued() const {
  std::lock_guard lock(mutex_);
  return !queue_.empty();
}

}  // namespace kortiv
