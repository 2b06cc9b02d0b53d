#pragma once
// The folder list's tooltip: over an item cut short its whole name, else the
// whole path of the folder the list stands on. The text is asked for when the
// tip shows and again whenever the pointer moves onto another item.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "browser/folder_list_model.h"
#include "ui/win32/layout_controls.h"

namespace siconv {

class FolderListTip {
 public:
  // A tool of tooltip for list, whose notifications go to window.
  FolderListTip(HWND tooltip, HWND window, HWND list, const FolderListModel& folders,
                const Scale& scale);
  ~FolderListTip();
  FolderListTip(const FolderListTip&) = delete;
  FolderListTip& operator=(const FolderListTip&) = delete;

  // Fills in the text when info asks for the list's tip; false otherwise.
  bool Answer(NMTTDISPINFOW& info);

 private:
  static LRESULT CALLBACK ListProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR id, DWORD_PTR self);
  int ItemAt(POINT point) const;
  std::string TextAtCursor() const;

  HWND tooltip_;
  HWND list_;
  const FolderListModel& folders_;
  const Scale& scale_;
  int hovered_ = -1;
  std::wstring text_;
};

}  // namespace siconv
