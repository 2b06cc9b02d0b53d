#include "tests/ui/win32/win32_window_test_support.h"

#include <commctrl.h>

#include <filesystem>

#include "browser/mounted_volumes.h"
#include "ui/win32/layout_controls.h"

namespace siconv {

void Win32WindowTest::Start() {
  windows = std::make_unique<ProgramWindows>(errors, root.Path(), ReadMountedVolumes());
  form = &windows->mainForm;
  ShowWindow(form->Handle(), SW_SHOW);
}

std::string Win32WindowTest::CopyExample(const std::string& example, const std::string& folder) {
  const std::filesystem::path source =
      std::filesystem::path(SICONV_SOURCE_DIR) / "examples" / example;
  const std::string target = root.Path(folder);
  std::filesystem::copy(source, std::filesystem::path(Wide(target)));
  return target;
}

void Win32WindowTest::Notify(const LayoutWindow& window, const char* name, int code) {
  const LayoutControl& control = window.Controls().Find(name);
  // A tool button's command comes from its toolbar.
  HWND sender = control.hwnd != nullptr ? control.hwnd : window.Controls().Window("CoolBar1");
  SendMessageW(window.Handle(), WM_COMMAND, MAKEWPARAM(control.id, code),
               reinterpret_cast<LPARAM>(sender));
}

int Win32WindowTest::FolderRow(const std::string& itemText) const {
  const std::vector<std::string> items = Items("DirectoryListBox");
  const auto found = std::find(items.begin(), items.end(), itemText);
  return found != items.end() ? static_cast<int>(found - items.begin()) : -1;
}

void Win32WindowTest::OpenFolder(const std::string& itemText) {
  const int row = FolderRow(itemText);
  ASSERT_GE(row, 0) << itemText;
  SendMessageW(Window("DirectoryListBox"), LB_SETCURSEL, static_cast<WPARAM>(row), 0);
  Notify(*form, "DirectoryListBox", LBN_DBLCLK);
}

// The tooltip asks the window for the text of its tool, as it does before
// it shows.
std::string Win32WindowTest::TooltipOver(const std::string& itemText) const {
  HWND list = Window("DirectoryListBox");
  RECT place{};
  SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(FolderRow(itemText)),
               reinterpret_cast<LPARAM>(&place));
  POINT centre{(place.left + place.right) / 2, (place.top + place.bottom) / 2};
  ClientToScreen(list, &centre);
  SetCursorPos(centre.x, centre.y);
  std::wstring text(INFOTIPSIZE, L'\0');
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = form->Handle();
  tool.uId = reinterpret_cast<UINT_PTR>(list);
  tool.lpszText = text.data();
  SendMessageW(form->Tooltip(), TTM_GETTEXTW, text.size(), reinterpret_cast<LPARAM>(&tool));
  return Utf8(text.c_str());
}

void Win32WindowTest::SelectRows(const char* list, const std::vector<int>& rows) {
  HWND hwnd = Window(list);
  SendMessageW(hwnd, LB_SETSEL, FALSE, -1);
  for (int row : rows) SendMessageW(hwnd, LB_SETSEL, TRUE, row);
  Notify(*form, list, LBN_SELCHANGE);
}

// BM_CLICK presses the button as the mouse does: nothing while it is disabled.
void Win32WindowTest::Press(const LayoutWindow& window, const char* button) {
  SendMessageW(window.Controls().Window(button), BM_CLICK, 0, 0);
}

std::vector<std::string> Win32WindowTest::Items(const char* list) const {
  HWND hwnd = Window(list);
  const bool combo = std::string_view(list) == "DriveComboBox";
  const LRESULT count = SendMessageW(hwnd, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
  std::vector<std::string> items;
  for (LRESULT i = 0; i < count; ++i) {
    const auto length =
        static_cast<std::size_t>(SendMessageW(hwnd, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, i, 0));
    std::wstring text(length + 1, L'\0');
    SendMessageW(hwnd, combo ? CB_GETLBTEXT : LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    items.push_back(Utf8(std::wstring_view(text.data(), length)));
  }
  return items;
}

int Win32WindowTest::Selected(const char* list) const {
  const bool combo = std::string_view(list) == "DriveComboBox";
  return static_cast<int>(SendMessageW(Window(list), combo ? CB_GETCURSEL : LB_GETCURSEL, 0, 0));
}

std::string Win32WindowTest::StatusText() const {
  HWND bar = Window("StatusBar");
  const std::size_t length = LOWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, 0, 0));
  std::wstring text(length + 1, L'\0');
  SendMessageW(bar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text.data()));
  return Utf8(std::wstring_view(text.data(), length));
}

}  // namespace siconv
