#pragma once

#include <signal.h>

#include <chrono>

namespace kortiv::calc_cli {

// While one lives, Ctrl+C (SIGINT) no longer ends the program: the batch
// runner waits for its run with Wait and stops the run itself when the
// signal came. A second Ctrl+C ends the program as usual, and a program
// started with Ctrl+C ignored (in the background) keeps ignoring it.
//
// A signal handler gets no argument and may call almost nothing, so the
// handler writes one byte into a pipe whose writing end it finds in one
// process-wide atomic: the only global state here, and the least a handler
// needs. Everything else happens on the waiting thread.
class InterruptSignal {
 public:
  InterruptSignal();
  ~InterruptSignal();
  InterruptSignal(const InterruptSignal&) = delete;
  InterruptSignal& operator=(const InterruptSignal&) = delete;

  // Waits up to `timeout` for Ctrl+C; true when it came (now or before).
  bool Wait(std::chrono::milliseconds timeout);
  bool Received() const { return received_; }

 private:
  static void Handle(int);

  int pipe_[2] = {-1, -1};
  bool received_ = false;
  struct sigaction previous_ {};
};

}  // namespace kortiv::calc_cli
