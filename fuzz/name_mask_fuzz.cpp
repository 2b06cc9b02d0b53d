// NameMatchesMask over arbitrary masks and names: it never fails except with
// the invalid-mask message naming the mask and a byte position, only masks
// with "[" or more than 30 "*" can be invalid, "*" matches every name, and a
// mask without "*", "?" or "[" matches exactly the names equal to it with
// a-z taken as A-Z outside double-byte characters.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/cp932.h"
#include "engine/exceptions.h"
#include "fuzz/fuzz_check.h"
#include "state/name_mask.h"

namespace siconv::fuzz {
namespace {

char Upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}

// Walks the mask by characters: a double-byte character compares exactly.
bool ReferenceEqual(std::string_view name, std::string_view mask) {
  if (name.size() != mask.size()) return false;
  for (std::size_t i = 0; i < mask.size(); ++i) {
    if (IsCp932LeadByte(static_cast<unsigned char>(mask[i])) && i + 1 < mask.size()) {
      if (name.substr(i, 2) != mask.substr(i, 2)) return false;
      ++i;
    } else if (Upper(name[i]) != Upper(mask[i])) {
      return false;
    }
  }
  return true;
}

// The mask with its single-byte letters in the other case.
std::string SwappedCase(std::string_view mask) {
  std::string swapped(mask);
  for (std::size_t i = 0; i < swapped.size(); ++i) {
    if (IsCp932LeadByte(static_cast<unsigned char>(swapped[i])) && i + 1 < swapped.size()) {
      ++i;
    } else if (std::isalpha(static_cast<unsigned char>(swapped[i]))) {
      swapped[i] = static_cast<char>(swapped[i] ^ 0x20);
    }
  }
  return swapped;
}

void CheckInvalidMask(std::string_view mask, const Exception& e) {
  Require(mask.find('[') != std::string_view::npos || std::ranges::count(mask, '*') > 30,
          "a mask without sets or many stars was refused", mask);
  // The exception keeps its message as a C string: a NUL byte ends it.
  if (mask.find('\0') != std::string_view::npos) return;
  const std::string message = e.Message();
  const std::string start = "'" + std::string(mask) + "' は不正なマスクです (";
  Require(message.starts_with(start) && message.ends_with(" バイト目)"), "wrong mask error",
          message);
  const long position = std::strtol(message.c_str() + start.size(), nullptr, 10);
  Require(position >= 1 && position <= static_cast<long>(mask.size()) + 1,
          "a mask error names no byte of the mask", message);
}

}  // namespace
}  // namespace siconv::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace siconv::fuzz;
  FuzzedDataProvider in(data, size);
  const std::string mask = in.ConsumeRandomLengthString(64);
  const std::string name = in.ConsumeRemainingBytesAsString();
  Require(siconv::NameMatchesMask(name, "*"), "* does not match a name", name);
  bool matches;
  try {
    matches = siconv::NameMatchesMask(name, mask);
  } catch (const siconv::Exception& e) {
    CheckInvalidMask(mask, e);
    return 0;
  }
  if (mask.find_first_of("*?[") != std::string::npos) return 0;
  Require(matches == ReferenceEqual(name, mask), "a plain mask matched otherwise than equality",
          mask + " / " + name);
  Require(siconv::NameMatchesMask(SwappedCase(mask), mask), "letter case mattered", mask);
  return 0;
}
