#pragma once
// What every fuzz target shares: a broken invariant stops the run with the
// reason and the offending text, so that libFuzzer keeps the input.
#include <string>
#include <string_view>

namespace siconv::fuzz {

[[noreturn]] void Fail(std::string_view what, std::string_view detail = {});

inline void Require(bool holds, std::string_view what, std::string_view detail = {}) {
  if (!holds) Fail(what, detail);
}

// Bytes 0x20..0x7E only: texts that reach a message unchanged.
bool IsPrintableAscii(std::string_view text);

// text with every control or non-ASCII byte written as \xNN, for reports.
std::string Escaped(std::string_view text);

}  // namespace siconv::fuzz
