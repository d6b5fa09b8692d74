#pragma once

#include <atomic>
#include <csignal>

namespace kortiv::calc_cli {

// While one lives, Ctrl+C (SIGINT) sets the given stop request instead of
// ending the program, and the calculation stops at its next poll. A second
// Ctrl+C ends the program as usual, for a run that no longer polls.
//
// A signal handler gets no argument, so the handler finds the living guard
// through one process-wide atomic pointer: the only global state here, and
// the least a handler needs. The handler does nothing but lock-free atomic
// stores, which is all that is safe inside it.
class InterruptSignal {
 public:
  explicit InterruptSignal(std::atomic<bool>& stop_request);
  ~InterruptSignal();
  InterruptSignal(const InterruptSignal&) = delete;
  InterruptSignal& operator=(const InterruptSignal&) = delete;

  bool Received() const { return received_; }

 private:
  static void Handle(int);

  std::atomic<bool>& stop_request_;
  std::atomic<bool> received_{false};
  struct sigaction previous_ {};
};

}  // namespace kortiv::calc_cli
