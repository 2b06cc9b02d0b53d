// Ctrl-C and Ctrl-Break on Windows: the console calls the handler on a thread
// of its own. Closing the console, logging off or shutting down ends the
// process as soon as the handler returns; the folder journal keeps that safe.
#include <windows.h>

#include <atomic>

#include "cli/interruption.h"

namespace siconv {
namespace {

std::atomic<bool> requested{false};

// The second event ends the process at once, running nothing more of it
// (ExitProcess would run the library's exit code beside the main thread).
BOOL WINAPI OnConsoleEvent(DWORD /*event*/) {
  if (requested.exchange(true)) TerminateProcess(GetCurrentProcess(), kExitInterrupted);
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
