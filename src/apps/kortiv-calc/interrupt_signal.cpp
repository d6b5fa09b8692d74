#include "interrupt_signal.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <atomic>

namespace kortiv::calc_cli {
namespace {

static_assert(std::atomic<int>::is_always_lock_free);

// The writing end of the living guard's pipe, -1 when there is none.
std::atomic<int> signal_pipe{-1};

}  // namespace

InterruptSignal::InterruptSignal() {
  if (pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) return;  // Ctrl+C then ends the program
  struct sigaction action {};
  action.sa_handler = &InterruptSignal::Handle;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESETHAND;  // the second Ctrl+C ends the program
  sigaction(SIGINT, &action, &previous_);
  if (previous_.sa_handler == SIG_IGN) {
    sigaction(SIGINT, &previous_, nullptr);
    return;
  }
  signal_pipe = pipe_[1];
}

InterruptSignal::~InterruptSignal() {
  if (signal_pipe.exchange(-1) >= 0) sigaction(SIGINT, &previous_, nullptr);
  for (int fd : pipe_) {
    if (fd >= 0) close(fd);
  }
}

bool InterruptSignal::Wait(std::chrono::milliseconds timeout) {
  if (received_ || pipe_[0] < 0) {
    if (!received_) usleep(static_cast<useconds_t>(timeout.count() * 1000));
    return received_;
  }
  pollfd ready{pipe_[0], POLLIN, 0};
  if (poll(&ready, 1, static_cast<int>(timeout.count())) > 0) {
    char byte = 0;
    received_ = read(pipe_[0], &byte, 1) == 1;
  }
  return received_;
}

void InterruptSignal::Handle(int) {
  const int fd = signal_pipe.load();
  if (fd < 0) return;
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = write(fd, &byte, 1);
}

}  // namespace kortiv::calc_cli
