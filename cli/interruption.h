#pragma once
// Ctrl-C (SIGINT), SIGTERM and SIGHUP during a batch: the first asks the
// command to stop once the quantity being converted is in place; a second
// ends the process at once, which the folder journal keeps safe. The
// handlers are the platform's (cli/posix/, cli/win32/).
namespace siconv {

inline constexpr int kExitInterrupted = 130;

// Installs the handlers for its lifetime and forgets an earlier request.
class InterruptionHandlers {
 public:
  InterruptionHandlers();
  ~InterruptionHandlers();
  InterruptionHandlers(const InterruptionHandlers&) = delete;
  InterruptionHandlers& operator=(const InterruptionHandlers&) = delete;
};

// Whether a first signal came.
bool InterruptRequested();

}  // namespace siconv
