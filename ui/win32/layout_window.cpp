#include "ui/win32/layout_window.h"

#include <commctrl.h>

#include <stdexcept>

#include "browser/run_guarded.h"
#include "ui/win32/page_background.h"

namespace siconv {
namespace {

constexpr wchar_t kClassName[] = L"SiconvLayoutWindow";
constexpr int kFirstControlId = 100;
constexpr int kIconResource = 1;

void RegisterOnce() {
  static const ATOM atom = [] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hIcon = LoadIconW(windowClass.hInstance, MAKEINTRESOURCEW(kIconResource));
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    return RegisterClassExW(&windowClass);
  }();
  if (atom == 0) throw std::runtime_error("RegisterClassExW failed");
}

// The outer rectangle around the client size, in the middle of the work area.
RECT CentredPlace(int clientWidth, int clientHeight, DWORD style, DWORD exStyle) {
  RECT outer{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&outer, style, FALSE, exStyle);
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  const int left = work.left + (work.right - work.left - width) / 2;
  const int top = work.top + (work.bottom - work.top - height) / 2;
  return {left, top, left + width, top + height};
}

}  // namespace

LayoutWindow::LayoutWindow(const WindowLayout& layout, HWND owner, ErrorUi& errors)
    : errors_(errors), scale_(Scale::OfScreen()), owned_(owner != nullptr) {
  RegisterOnce();
  const DWORD style = owned_ ? WS_POPUP | WS_CAPTION | WS_SYSMENU : WS_OVERLAPPEDWINDOW;
  const DWORD exStyle = owned_ ? WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT : WS_EX_CONTROLPARENT;
  const RECT place =
      CentredPlace(scale_(layout.clientWidth), scale_(layout.clientHeight), style, exStyle);
  const std::wstring caption = Wide(layout.caption);
  hwnd_ = CreateWindowExW(exStyle, kClassName, caption.c_str(), style, place.left, place.top,
                          place.right - place.left, place.bottom - place.top, owner, nullptr,
                          GetModuleHandleW(nullptr), nullptr);
  if (hwnd_ == nullptr) throw std::runtime_error("CreateWindowExW failed");
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure));
  controls_ = std::make_unique<LayoutControls>(hwnd_, layout, scale_, kFirstControlId);
  AddTooltips();
}

LayoutWindow::~LayoutWindow() {
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  DestroyWindow(hwnd_);
}

// Every control with a hint shows it when the pointer rests on it; the
// toolbar's buttons have their own tooltips.
void LayoutWindow::AddTooltips() {
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                             WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  for (const LayoutControl& control : controls_->All()) {
    if (control.hwnd == nullptr || control.layout->hint.empty()) continue;
    std::wstring hint = Wide(control.layout->hint);
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(control.hwnd);
    tool.lpszText = hint.data();
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

void LayoutWindow::ShowModeless() {
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
  BringWindowToTop(hwnd_);
}

LRESULT LayoutWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE && owned_) {
    ShowWindow(hwnd_, SW_HIDE);
    return 0;
  }
  // Return and Escape, as the message loop hands them over.
  if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) &&
      lParam == 0) {
    HWND focus = GetFocus();
    const LayoutControl* focused =
        focus != nullptr ? controls_->ById(GetDlgCtrlID(focus)) : nullptr;
    if (LOWORD(wParam) == IDCANCEL) OnEscape();
    if (LOWORD(wParam) == IDOK && focused != nullptr) OnReturn(*focused);
    return 0;
  }
  if (message == WM_CTLCOLORSTATIC) {
    HBRUSH page =
        PageBackground(*controls_, reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam));
    if (page != nullptr) return reinterpret_cast<LRESULT>(page);
  }
  if (message == WM_COMMAND && lParam != 0) {
    if (const LayoutControl* control = controls_->ById(LOWORD(wParam))) {
      OnControl(*control, HIWORD(wParam));
      return 0;
    }
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void LayoutWindow::OnReturn(const LayoutControl& focused) {
  const ControlKind kind = focused.layout->kind;
  if (kind == ControlKind::PushButton || kind == ControlKind::ImageButton) {
    SendMessageW(focused.hwnd, BM_CLICK, 0, 0);
  }
}

LRESULT CALLBACK LayoutWindow::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<LayoutWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  LRESULT result = 0;
  bool handled = false;
  RunGuarded(self->errors_, [&] {
    result = self->OnMessage(message, wParam, lParam);
    handled = true;
  });
  return handled ? result : 0;
}

bool RouteDialogMessage(MSG& message) {
  HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  return root != nullptr && IsDialogMessageW(root, &message);
}

int RunMessageLoop() {
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (RouteDialogMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace siconv
