#pragma once
// Runs a piece of a test in a child process, for tests that end a process.
#include <functional>
#include <optional>

namespace siconv {

// The exit code of a child process that ran body, or nullopt where a process
// cannot be forked (Windows has no fork).
std::optional<int> ExitCodeOfChild(const std::function<void()>& body);

}  // namespace siconv
