#pragma once
// The program's Win32 windows on a temporary folder, an ErrorUi that records
// instead of showing modal boxes, and the user's acts as the messages the
// controls send their window.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/support/recording_host.h"
#include "tests/support/temp_dir.h"
#include "ui/win32/program_windows_win32.h"

namespace siconv {

class Win32WindowTest : public ::testing::Test {
 protected:
  // The windows standing on the temporary folder, as at program start.
  void Start();
  // A copy of examples/<example> in <root>/<folder>; its path.
  std::string CopyExample(const std::string& example, const std::string& folder);

  HWND Window(const char* name) const { return form->Controls().Window(name); }
  // The notification a control sends its window when the user acts on it.
  void Notify(const LayoutWindow& window, const char* name, int code);
  // The folder list's row with this text, or -1.
  int FolderRow(const std::string& itemText) const;
  // Double-click on the folder list's item with this text.
  void OpenFolder(const std::string& itemText);
  // Selects exactly these rows, as clicks with Ctrl would.
  void SelectRows(const char* list, const std::vector<int>& rows);
  void Press(const LayoutWindow& window, const char* button);

  std::vector<std::string> Items(const char* list) const;
  int Selected(const char* list) const;  // LB_GETCURSEL or CB_GETCURSEL
  std::string StatusText() const;
  // The folder list's tooltip with the pointer over the item with this text.
  std::string TooltipOver(const std::string& itemText) const;

  TempDir root;
  RecordingErrorUi errors;
  std::unique_ptr<ProgramWindows> windows;
  TmainForm* form = nullptr;
};

}  // namespace siconv
