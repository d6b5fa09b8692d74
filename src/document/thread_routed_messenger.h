#pragma once

#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "support/messenger.h"

namespace kortiv {

// The document's messenger: on the ui thread it passes everything straight
// on; a message raised on another thread (a run's worker) is queued and
// shown when the ui thread delivers the queue. A question asked off the ui
// thread cannot be answered there: it is queued as a message and counts as No.
class ThreadRoutedMessenger : public Messenger {
 public:
  // The calling thread becomes the ui thread.
  explicit ThreadRoutedMessenger(Messenger& target);

  void Show(std::string_view text, std::string_view caption = {}) override;
  bool Ask(std::string_view text, std::string_view title) override;

  // Shows the queued messages through the target; on the ui thread only.
  void DeliverQueued();
  bool HasQueued() const;

 private:
  struct Queued {
    std::string text;
    std::string caption;
  };

  bool OnUiThread() const { return std::this_thread::get_id() == ui_thread_; }

  Messenger& target_;
  std::thread::id ui_thread_;
  mutable std::mutex mutex_;
  std::vector<Queued> queue_;
};

}  // namespace kortiv
