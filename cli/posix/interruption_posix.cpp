#include "cli/interruption.h"

#include <signal.h>

#include <array>

namespace siconv {
namespace {

constexpr std::array<int, 3> kSignals = {SIGINT, SIGTERM, SIGHUP};

volatile sig_atomic_t requested = 0;
std::array<struct sigaction, kSignals.size()> previous{};

// Only async-signal-safe calls: the second signal takes its default action.
extern "C" void OnSignal(int signal) {
  if (requested != 0) {
    ::signal(signal, SIG_DFL);
    ::raise(signal);
    return;
  }
  requested = 1;
}

}  // namespace

InterruptionHandlers::InterruptionHandlers() {
  requested = 0;
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (std::size_t i = 0; i < kSignals.size(); ++i) {
    ::sigaction(kSignals[i], nullptr, &previous[i]);
    // A signal ignored from the start (nohup, a script's background job) stays ignored.
    if (previous[i].sa_handler != SIG_IGN) ::sigaction(kSignals[i], &action, nullptr);
  }
}

InterruptionHandlers::~InterruptionHandlers() {
  for (std::size_t i = 0; i < kSignals.size(); ++i) ::sigaction(kSignals[i], &previous[i], nullptr);
}

bool InterruptRequested() {
  return requested != 0;
}

}  // namespace siconv
