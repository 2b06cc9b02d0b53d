#include "ui/win32/page_background.h"

#include <commctrl.h>
#include <uxtheme.h>
#include <vsstyle.h>

namespace siconv {
namespace {

// The notebook a control stands on, through its parents; null for none.
HWND NotebookUnder(const LayoutControls& controls, const LayoutControl& control) {
  for (std::string_view parent = control.layout->parent; !parent.empty();) {
    const LayoutControl& holder = controls.Find(parent);
    if (holder.layout->kind == ControlKind::Notebook) return holder.hwnd;
    parent = holder.layout->parent;
  }
  return nullptr;
}

// The notebook's page below its tabs, in control's coordinates.
RECT PageIn(HWND notebook, HWND control) {
  RECT page{};
  GetClientRect(notebook, &page);
  RECT tab{};
  if (SendMessageW(notebook, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&tab))) {
    page.top = tab.bottom;
  }
  MapWindowPoints(notebook, control, reinterpret_cast<POINT*>(&page), 2);
  return page;
}

}  // namespace

HBRUSH PageBackground(const LayoutControls& controls, HWND control, HDC dc) {
  const int id = GetDlgCtrlID(control);
  const LayoutControl* found = controls.ById(id);
  HWND notebook = found != nullptr ? NotebookUnder(controls, *found) : nullptr;
  if (notebook == nullptr) return nullptr;
  HTHEME theme = OpenThemeData(notebook, L"TAB");
  if (theme == nullptr) return nullptr;
  const RECT page = PageIn(notebook, control);
  RECT box{};
  GetClientRect(control, &box);
  DrawThemeBackground(theme, dc, TABP_PANE, 0, &page, &box);
  CloseThemeData(theme);
  SetBkMode(dc, TRANSPARENT);
  return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

}  // namespace siconv
