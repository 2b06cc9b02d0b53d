// Ctrl-C, Ctrl-Break and the closing of the console on Windows: the console
// calls the handler on a thread of its own.
#include <windows.h>

#include <atomic>

#include "cli/interruption.h"

namespace siconv {
namespace {

std::atomic<bool> requested{false};

// The second event ends the process at once; the folder journal keeps that safe.
BOOL WINAPI OnConsoleEvent(DWORD /*event*/) {
  if (requested.exchange(true)) ExitProcess(kExitInterrupted);
  return TRUE;
}

}  // namespace

InterruptionHandlers::InterruptionHandlers() {
  requested = false;
  SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

InterruptionHandlers::~InterruptionHandlers() {
  SetConsoleCtrlHandler(OnConsoleEvent, FALSE);
}

bool InterruptRequested() {
  return requested;
}

}  // namespace siconv
