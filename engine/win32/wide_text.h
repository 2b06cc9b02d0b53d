#pragma once
// UTF-8 inside the program, UTF-16 at the Windows API.
#include <string>
#include <string_view>

namespace siconv {

// False when text is not valid UTF-8.
bool Utf8ToWide(std::string_view text, std::wstring& wide);
// Unpaired surrogates become U+FFFD.
std::string WideToUtf8(std::wstring_view wide);

// A path for the wide file calls: a path too long for the classic limit gets
// the "\\?\" prefix, which lifts the limit (and takes only backslashes).
bool WidePath(std::string_view path, std::wstring& wide);

}  // namespace siconv
