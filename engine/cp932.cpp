#include "engine/cp932.h"

namespace siconv {

std::string QuotedCp932(std::string_view bytes) {
  std::size_t end = 0;
  while (end < bytes.size()) {
    const bool pair =
        IsCp932LeadByte(static_cast<unsigned char>(bytes[end])) && end + 1 < bytes.size();
    const std::size_t next = end + (pair ? 2 : 1);
    if (next > kQuotedBytes) break;
    end = next;
  }
  const std::string text = Cp932ToUtf8(bytes.substr(0, end));
  return end < bytes.size() ? text + "..." : text;
}

}  // namespace siconv
