// siconv.exe: the SI unit conversion window on Windows.
#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>

#include "browser/mounted_volumes.h"
#include "browser/start_folders.h"
#include "engine/error_report.h"
#include "state/regional_settings.h"
#include "ui/win32/layout_controls.h"
#include "ui/win32/program_windows_win32.h"
#include "ui/win32/win32_error_ui.h"

namespace {

std::string ModulePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) return siconv::Utf8(std::wstring_view(path.data(), length));
    path.resize(path.size() * 2);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                      ICC_BAR_CLASSES | ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  siconv::ApplyRegionalSettings();
  siconv::Win32ErrorUi errors(siconv::ApplicationTitle(ModulePath()));
  const auto windows = siconv::CreateOnFirstFolder<siconv::ProgramWindows>(
      errors, siconv::StartFolders(), siconv::ReadMountedVolumes());
  if (!windows) return 1;
  ShowWindow(windows->mainForm.Handle(), show);
  return siconv::RunMessageLoop();
}
