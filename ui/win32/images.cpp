#include "ui/win32/images.h"

#include <map>
#include <stdexcept>
#include <utility>

#include "browser/folder_list_tips.h"

namespace siconv {
namespace {

constexpr COLORREF kKeyColour = RGB(0xF0, 0xF0, 0xF0);
constexpr int kTextGap = 4;

void DrawKeyed(HDC target, HBITMAP bitmap, int left, int top) {
  const SIZE size = BitmapSize(bitmap);
  HDC source = CreateCompatibleDC(target);
  const HGDIOBJ old = SelectObject(source, bitmap);
  TransparentBlt(target, left, top, size.cx, size.cy, source, 0, 0, size.cx, size.cy, kKeyColour);
  SelectObject(source, old);
  DeleteDC(source);
}

const wchar_t* VolumeBitmapName(VolumeKind kind) {
  switch (kind) {
    case VolumeKind::Floppy:
      return L"FLOPPY";
    case VolumeKind::Network:
      return L"NETWORK";
    case VolumeKind::CdRom:
      return L"CDROM";
    case VolumeKind::Ram:
      return L"RAM";
    case VolumeKind::Hard:
      break;
  }
  return L"HARD";
}

const wchar_t* FolderBitmapName(FolderKind kind) {
  switch (kind) {
    case FolderKind::OpenFolder:
      return L"OPENFOLDER";
    case FolderKind::CurrentFolder:
      return L"CURRENTFOLDER";
    case FolderKind::ClosedFolder:
      break;
  }
  return L"CLOSEDFOLDER";
}

// Right of the bitmap, which stands indent pixels in.
RECT TextPlace(RECT place, HBITMAP bitmap, int indent) {
  place.left += indent + 1 + BitmapSize(bitmap).cx + kTextGap;
  return place;
}

// The bitmap, then the text, highlighted when selected.
void DrawBitmapItem(const DRAWITEMSTRUCT& item, HBITMAP bitmap, int indent,
                    const std::wstring& text) {
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  HDC dc = item.hDC;
  RECT place = item.rcItem;
  FillRect(dc, &place, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  const int top = place.top + (place.bottom - place.top - BitmapSize(bitmap).cy) / 2;
  DrawKeyed(dc, bitmap, place.left + indent + 1, top);
  place = TextPlace(place, bitmap, indent);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &place,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  if ((item.itemState & ODS_FOCUS) != 0) DrawFocusRect(dc, &item.rcItem);
}

}  // namespace

HBITMAP WindowBitmap(const wchar_t* name, const Scale& scale) {
  static std::map<std::pair<std::wstring, int>, HBITMAP> bitmaps;
  HBITMAP& loaded = bitmaps[{name, scale.Dpi()}];
  if (loaded != nullptr) return loaded;
  HBITMAP original = static_cast<HBITMAP>(
      LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (original == nullptr) throw std::runtime_error("a bitmap resource is missing");
  const SIZE size = BitmapSize(original);
  loaded =
      scale.Dpi() == 96
          ? original
          : static_cast<HBITMAP>(CopyImage(original, IMAGE_BITMAP, scale(size.cx), scale(size.cy),
                                           LR_CREATEDIBSECTION | LR_COPYDELETEORG));
  return loaded;
}

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  GetObjectW(bitmap, sizeof info, &info);
  return {info.bmWidth, info.bmHeight};
}

void DrawVolumeItem(const DRAWITEMSTRUCT& item, const VolumeItem& volume, const Scale& scale) {
  DrawBitmapItem(item, WindowBitmap(VolumeBitmapName(volume.kind), scale), 0, Wide(volume.text));
}

void DrawFolderItem(const DRAWITEMSTRUCT& item, const FolderItem& folder, const Scale& scale) {
  DrawBitmapItem(item, WindowBitmap(FolderBitmapName(folder.kind), scale),
                 scale(folder.depth * kFolderIndentStep), Wide(folder.text));
}

RECT FolderTextPlace(RECT place, const FolderItem& folder, const Scale& scale) {
  return TextPlace(place, WindowBitmap(FolderBitmapName(folder.kind), scale),
                   scale(folder.depth * kFolderIndentStep));
}

void DrawImageButton(const DRAWITEMSTRUCT& item, HBITMAP normal, HBITMAP disabled) {
  const bool pushed = (item.itemState & ODS_SELECTED) != 0;
  RECT frame = item.rcItem;
  DrawFrameControl(item.hDC, &frame, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
  HBITMAP image = (item.itemState & ODS_DISABLED) != 0 ? disabled : normal;
  const SIZE size = BitmapSize(image);
  const int shift = pushed ? 1 : 0;
  DrawKeyed(item.hDC, image,
            item.rcItem.left + (item.rcItem.right - item.rcItem.left - size.cx) / 2 + shift,
            item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - size.cy) / 2 + shift);
  if ((item.itemState & ODS_FOCUS) != 0) {
    RECT focus = item.rcItem;
    InflateRect(&focus, -4, -4);
    DrawFocusRect(item.hDC, &focus);
  }
}

}  // namespace siconv
