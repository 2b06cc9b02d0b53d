#include <sys/wait.h>
#include <unistd.h>

#include "tests/support/child_process.h"

namespace siconv {

std::optional<int> ExitCodeOfChild(const std::function<void()>& body) {
  const pid_t child = ::fork();
  if (child < 0) return std::nullopt;
  if (child == 0) {
    body();
    ::_exit(0);
  }
  int status = 0;
  if (::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

}  // namespace siconv
