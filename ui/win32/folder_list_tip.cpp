#include "ui/win32/folder_list_tip.h"

#include <windowsx.h>

#include "browser/folder_list_tips.h"
#include "ui/win32/images.h"

namespace siconv {
namespace {

constexpr UINT_PTR kSubclassId = 1;

}  // namespace

FolderListTip::FolderListTip(HWND tooltip, HWND window, HWND list, const FolderListModel& folders,
                             const Scale& scale)
    : tooltip_(tooltip), list_(list), folders_(folders), scale_(scale) {
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = window;
  tool.uId = reinterpret_cast<UINT_PTR>(list);
  tool.lpszText = LPSTR_TEXTCALLBACKW;
  SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  SetWindowSubclass(list, &ListProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

FolderListTip::~FolderListTip() {
  RemoveWindowSubclass(list_, &ListProcedure, kSubclassId);
}

bool FolderListTip::Answer(NMTTDISPINFOW& info) {
  if (info.hdr.idFrom != reinterpret_cast<UINT_PTR>(list_)) return false;
  text_ = Wide(TextAtCursor());
  info.lpszText = text_.data();
  return true;
}

// A tip that stays up while the pointer crosses items would keep the first
// item's text; it is shown again for the item now under the pointer.
LRESULT CALLBACK FolderListTip::ListProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam,
                                              UINT_PTR, DWORD_PTR self) {
  if (message == WM_MOUSEMOVE) {
    auto& tip = *reinterpret_cast<FolderListTip*>(self);
    const int item = tip.ItemAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    if (item != tip.hovered_) {
      tip.hovered_ = item;
      if (IsWindowVisible(tip.tooltip_)) {
        SendMessageW(tip.tooltip_, TTM_POP, 0, 0);
        SendMessageW(tip.tooltip_, TTM_POPUP, 0, 0);
      }
    }
  }
  return DefSubclassProc(list, message, wParam, lParam);
}

// The item under point (in the list's client area), or -1.
int FolderListTip::ItemAt(POINT point) const {
  RECT client{};
  GetClientRect(list_, &client);
  if (!PtInRect(&client, point)) return -1;
  const LRESULT hit = SendMessageW(list_, LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
  return HIWORD(hit) == 0 ? LOWORD(hit) : -1;
}

std::string FolderListTip::TextAtCursor() const {
  POINT point{};
  GetCursorPos(&point);
  ScreenToClient(list_, &point);
  const int index = ItemAt(point);
  if (index < 0 || static_cast<std::size_t>(index) >= folders_.Items().size()) {
    return FolderListHint(folders_);
  }
  const FolderItem& item = folders_.Items()[static_cast<std::size_t>(index)];
  RECT place{};
  SendMessageW(list_, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&place));
  const RECT room = FolderTextPlace(place, item, scale_);
  const auto font = reinterpret_cast<HFONT>(SendMessageW(list_, WM_GETFONT, 0, 0));
  const int width = TextExtent(list_, font, Wide(item.text)).cx;
  return FolderItemTip(folders_, index, width, room.right - room.left);
}

}  // namespace siconv
