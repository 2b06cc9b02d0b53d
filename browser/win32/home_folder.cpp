#include "browser/home_folder.h"

#include <windows.h>

#include "engine/win32/wide_text.h"

namespace siconv {

std::optional<std::string> HomeFolder() {
  wchar_t profile[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableW(L"USERPROFILE", profile, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return std::nullopt;
  return WideToUtf8(std::wstring_view(profile, length));
}

std::string SystemRoot() {
  return "C:\\";
}

}  // namespace siconv
