#include "interrupt_signal.h"

namespace kortiv::calc_cli {
namespace {

static_assert(std::atomic<bool>::is_always_lock_free);
static_assert(std::atomic<InterruptSignal*>::is_always_lock_free);

std::atomic<InterruptSignal*> active_guard{nullptr};

}  // namespace

InterruptSignal::InterruptSignal(std::atomic<bool>& stop_request) : stop_request_(stop_request) {
  active_guard = this;
  struct sigaction action {};
  action.sa_handler = &InterruptSignal::Handle;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESETHAND;  // the second Ctrl+C ends the program
  sigaction(SIGINT, &action, &previous_);
  // Started with Ctrl+C ignored (in the background, under nohup): it stays
  // ignored.
  if (previous_.sa_handler == SIG_IGN) sigaction(SIGINT, &previous_, nullptr);
}

InterruptSignal::~InterruptSignal() {
  sigaction(SIGINT, &previous_, nullptr);
  active_guard = nullptr;
}

void InterruptSignal::Handle(int) {
  InterruptSignal* guard = active_guard.load();
  if (!guard) return;
  guard->received_ = true;
  guard->stop_request_ = true;
}

}  // namespace kortiv::calc_cli
