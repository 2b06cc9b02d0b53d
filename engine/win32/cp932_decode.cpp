#include <windows.h>

#include "engine/cp932.h"
#include "engine/win32/wide_text.h"

namespace siconv {
namespace {

constexpr UINT kCp932 = 932;

// The UTF-16 of one character of 1 or 2 bytes; false when it does not decode.
bool DecodeOne(const char* bytes, int size, std::wstring& wide) {
  wchar_t unit[2];
  int n = MultiByteToWideChar(kCp932, MB_ERR_INVALID_CHARS, bytes, size, unit, 2);
  if (n <= 0) return false;
  wide.append(unit, static_cast<std::size_t>(n));
  return true;
}

}  // namespace

// Character by character, so that an undecodable byte costs one U+FFFD and
// decoding goes on at the next byte, as on Linux.
std::string Cp932ToUtf8(std::string_view bytes) {
  std::wstring wide;
  std::size_t i = 0;
  while (i < bytes.size()) {
    bool pair = IsCp932LeadByte(static_cast<unsigned char>(bytes[i])) && i + 1 < bytes.size();
    if (pair && DecodeOne(bytes.data() + i, 2, wide)) {
      i += 2;
      continue;
    }
    if (!DecodeOne(bytes.data() + i, 1, wide)) wide += L'\xFFFD';
    ++i;
  }
  return WideToUtf8(wide);
}

}  // namespace siconv
