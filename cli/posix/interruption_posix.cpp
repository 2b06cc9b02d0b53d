#include "cli/interruption.h"

#include <signal.h>

#include <array>

namespace siconv {
namespace {

constexpr std::array<int, 3> kSignals = {SIGINT, SIGTERM, SIGHUP};

volatile sig_atomic_t requested = 0;

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
  for (const int signal : kSignals) ::sigaction(signal, &action, nullptr);
}

InterruptionHandlers::~InterruptionHandlers() {
  for (const int signal : kSignals) ::signal(signal, SIG_DFL);
}

bool InterruptRequested() {
  return requested != 0;
}

}  // namespace siconv
