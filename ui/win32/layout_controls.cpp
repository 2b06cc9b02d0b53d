#include "ui/win32/layout_controls.h"

#include <commctrl.h>

#include <map>
#include <stdexcept>
#include <utility>

#include "engine/win32/wide_text.h"

namespace siconv {
namespace {

using K = ControlKind;

struct WindowClass {
  const wchar_t* name;
  DWORD style;
};

// The Win32 control for each kind; null class for the parts drawn by others.
WindowClass ClassOf(ControlKind kind) {
  constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
  switch (kind) {
    case K::ToolBar:
      return {TOOLBARCLASSNAMEW, kChild | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NORESIZE |
                                     CCS_NODIVIDER | CCS_NOPARENTALIGN};
    case K::GroupFrame:
      return {L"BUTTON", kChild | BS_GROUPBOX | WS_CLIPSIBLINGS};
    case K::Frame:
      return {L"STATIC", kChild | SS_ETCHEDFRAME};
    case K::DriveChooser:
      return {L"COMBOBOX", kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST |
                               CBS_OWNERDRAWFIXED | CBS_HASSTRINGS};
    case K::FolderList:
      return {L"LISTBOX", kChild | WS_TABSTOP | WS_VSCROLL | WS_BORDER | LBS_NOTIFY |
                              LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT |
                              LBS_WANTKEYBOARDINPUT};
    case K::Notebook:
      return {WC_TABCONTROLW, kChild | WS_TABSTOP | WS_CLIPSIBLINGS};
    case K::Label:
      return {L"STATIC", kChild | SS_LEFT | SS_NOPREFIX};
    case K::FileList:  // never shown
      return {L"LISTBOX", WS_CHILD | WS_TABSTOP | LBS_NOINTEGRALHEIGHT};
    case K::QuantityList:
      return {L"LISTBOX", kChild | WS_TABSTOP | WS_VSCROLL | WS_BORDER | LBS_NOTIFY |
                              LBS_EXTENDEDSEL | LBS_NOINTEGRALHEIGHT};
    case K::ImageButton:
      return {L"BUTTON", kChild | WS_TABSTOP | BS_OWNERDRAW};
    case K::PushButton:
      return {L"BUTTON", kChild | WS_TABSTOP | BS_PUSHBUTTON};
    case K::RadioButton:
      return {L"BUTTON", kChild | WS_TABSTOP | BS_RADIOBUTTON};
    case K::StatusBar:
      return {STATUSCLASSNAMEW, kChild | SBARS_SIZEGRIP | CCS_NORESIZE | CCS_NOPARENTALIGN};
    case K::ToolButton:
    case K::Panel:
    case K::NotebookPage:
      break;
  }
  return {nullptr, 0};
}

bool Holds(ControlKind kind) {
  return kind == K::GroupFrame || kind == K::Frame || kind == K::Notebook;
}

// A label is as wide as its text, at least as wide as its place.
void FitLabel(HWND label, HFONT font, std::wstring_view text) {
  const SIZE extent = TextExtent(label, font, text);
  RECT place{};
  GetWindowRect(label, &place);
  if (extent.cx > place.right - place.left) {
    SetWindowPos(label, nullptr, 0, 0, extent.cx, place.bottom - place.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

HWND MakeControl(HWND window, const WindowLayout& layout, const ControlLayout& control,
                 const Scale& scale, int id) {
  const WindowClass windowClass = ClassOf(control.kind);
  if (windowClass.name == nullptr) return nullptr;
  const RECT place = scale.Rect(PlaceInWindow(layout, control.name));
  const std::wstring caption = Wide(control.caption);
  HWND hwnd = CreateWindowExW(0, windowClass.name, caption.c_str(), windowClass.style, place.left,
                              place.top, place.right - place.left, place.bottom - place.top, window,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              GetModuleHandleW(nullptr), nullptr);
  if (hwnd == nullptr) throw std::runtime_error("CreateWindowExW failed");
  const FontSpec font = control.font.pixelHeight != 0 ? control.font : layout.font;
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(LayoutFont(font, scale)), FALSE);
  if (control.kind == K::Label) FitLabel(hwnd, LayoutFont(font, scale), caption);
  return hwnd;
}

}  // namespace

SIZE TextExtent(HWND control, HFONT font, std::wstring_view text) {
  HDC dc = GetDC(control);
  const HGDIOBJ old = SelectObject(dc, font);
  SIZE extent{};
  GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &extent);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return extent;
}

Scale Scale::OfScreen() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return Scale(dpi > 0 ? dpi : 96);
}

RECT Scale::Rect(const Place& place) const {
  const int left = (*this)(place.left);
  const int top = (*this)(place.top);
  return {left, top, left + (*this)(place.width), top + (*this)(place.height)};
}

std::wstring Wide(std::string_view utf8) {
  std::wstring wide;
  if (!Utf8ToWide(utf8, wide)) return L"\uFFFD";
  return wide;
}

std::string Utf8(std::wstring_view wide) {
  return WideToUtf8(wide);
}

HFONT LayoutFont(FontSpec font, const Scale& scale) {
  static std::map<std::pair<FontFace, int>, HFONT> fonts;
  const int height = scale(font.pixelHeight);
  HFONT& made = fonts[{font.face, height}];
  if (made == nullptr) {
    const bool fixed = font.face == FontFace::Fixed;
    made = CreateFontW(-height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       (fixed ? FIXED_PITCH : VARIABLE_PITCH) | FF_MODERN,
                       fixed ? L"ＭＳ ゴシック" : L"ＭＳ Ｐゴシック");
  }
  return made;
}

LayoutControls::LayoutControls(HWND window, const WindowLayout& layout, const Scale& scale,
                               int firstId) {
  int id = firstId;
  for (const ControlLayout& control : layout.controls) {
    controls_.push_back({&control, MakeControl(window, layout, control, scale, id), id});
    ++id;
  }
  // Tab follows the Z order of the window's children: the layout's tab
  // sequence on top, in its order.
  const std::vector<std::string_view> sequence = TabSequence(layout);
  for (auto name = sequence.rbegin(); name != sequence.rend(); ++name) {
    if (HWND hwnd = Window(*name))
      SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  // Frames and the notebook lie below the controls they hold, which are their
  // siblings here, and an outer frame below the frames inside it.
  for (auto control = controls_.rbegin(); control != controls_.rend(); ++control) {
    if (control->hwnd != nullptr && Holds(control->layout->kind)) {
      SetWindowPos(control->hwnd, HWND_BOTTOM, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  }
}

const LayoutControl& LayoutControls::Find(std::string_view name) const {
  for (const LayoutControl& control : controls_) {
    if (control.layout->name == name) return control;
  }
  throw std::out_of_range("no control " + std::string(name));
}

const LayoutControl* LayoutControls::ById(int id) const {
  for (const LayoutControl& control : controls_) {
    if (control.id == id) return &control;
  }
  return nullptr;
}

}  // namespace siconv
