#include "engine/win32/wide_text.h"

#include <windows.h>

#include <algorithm>

namespace siconv {

bool Utf8ToWide(std::string_view text, std::wstring& wide) {
  wide.clear();
  if (text.empty()) return true;
  int size = static_cast<int>(text.size());
  int n = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
  if (n <= 0) return false;
  wide.resize(static_cast<std::size_t>(n));
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, wide.data(), n);
  return true;
}

std::string WideToUtf8(std::wstring_view wide) {
  std::string text;
  if (wide.empty()) return text;
  int size = static_cast<int>(wide.size());
  int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  text.resize(static_cast<std::size_t>(n));
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, text.data(), n, nullptr, nullptr);
  return text;
}

bool WidePath(std::string_view path, std::wstring& wide) {
  if (!Utf8ToWide(path, wide)) return false;
  bool drive = wide.size() > 2 && wide[1] == L':' && (wide[2] == L'\\' || wide[2] == L'/');
  bool unc = wide.size() > 2 && wide[0] == L'\\' && wide[1] == L'\\' && wide[2] != L'?';
  if (wide.size() < MAX_PATH - 12 || !(drive || unc)) return true;
  std::replace(wide.begin(), wide.end(), L'/', L'\\');
  wide.insert(0, unc ? std::wstring(L"\\\\?\\UNC") : std::wstring(L"\\\\?\\"));
  if (unc) wide.erase(7, 1);  // "\\?\UNC" + "\server\share..."
  return true;
}

}  // namespace siconv
