#include <windows.h>

#include <stdexcept>
#include <string>

#include "engine/win32/wide_text.h"
#include "tests/support/temp_dir.h"

namespace siconv {

TempDir::TempDir() {
  wchar_t base[MAX_PATH + 1];
  DWORD size = GetTempPathW(MAX_PATH + 1, base);
  if (size == 0 || size > MAX_PATH) throw std::runtime_error("GetTempPathW failed");
  for (unsigned attempt = 0; attempt < 1000; ++attempt) {
    std::wstring folder = std::wstring(base, size) + L"siconv-test-" +
                          std::to_wstring(GetCurrentProcessId()) + L"-" +
                          std::to_wstring(GetTickCount64() + attempt);
    if (CreateDirectoryW(folder.c_str(), nullptr)) {
      path_ = WideToUtf8(folder);
      return;
    }
    if (GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
  throw std::runtime_error("cannot create a temporary folder");
}

}  // namespace siconv
