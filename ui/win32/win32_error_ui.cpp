#include "ui/win32/win32_error_ui.h"

#include <windows.h>

#include <commctrl.h>

#include <vector>

#include "browser/message_dialog_plan.h"
#include "ui/win32/layout_controls.h"

namespace siconv {
namespace {

PCWSTR KindIcon(int kind) {
  switch (kind) {
    case 0:
      return TD_WARNING_ICON;
    case message_dialog::kKindError:
      return TD_ERROR_ICON;
    case 2:
    case 3:
      return TD_INFORMATION_ICON;
    default:
      return nullptr;
  }
}

struct DialogKeys {
  ButtonPlan plan;
  bool closing = false;  // the close box or Alt+F4, which give 2
};

// Escape reaches a task dialog as IDCANCEL from no control, which would
// close it with 2, a result the plan may not have: it presses the planned
// cancel button instead, and without one does nothing.
LRESULT CALLBACK EscapeProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam,
                                 UINT_PTR id, DWORD_PTR data) {
  auto& keys = *reinterpret_cast<DialogKeys*>(data);
  if (message == WM_CLOSE || (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE)) {
    keys.closing = true;
  } else if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL && lParam == 0 && !keys.closing) {
    if (keys.plan.cancelButton) {
      SendMessageW(dialog, TDM_CLICK_BUTTON, ModalResult(*keys.plan.cancelButton), 0);
    }
    return 0;
  } else if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(dialog, &EscapeProcedure, id);
  }
  return DefSubclassProc(dialog, message, wParam, lParam);
}

// Help does not close the dialog. Return presses the focused button, the
// planned default first; with none planned, the first button has the focus.
HRESULT CALLBACK OnDialogEvent(HWND dialog, UINT notification, WPARAM button, LPARAM,
                               LONG_PTR keys) {
  if (notification == TDN_DIALOG_CONSTRUCTED) {
    SetWindowSubclass(dialog, &EscapeProcedure, 1, static_cast<DWORD_PTR>(keys));
  }
  const bool help = notification == TDN_BUTTON_CLICKED &&
                    static_cast<int>(button) == ModalResult(DialogButton::Help);
  return help ? S_FALSE : S_OK;
}

// The program's other windows, disabled while the dialog is up: a task
// dialog disables only its owner, and the modeless settings dialog could
// otherwise change the units in the middle of a command.
class OtherWindowsDisabled {
 public:
  explicit OtherWindowsDisabled(HWND owner) : owner_(owner) {
    EnumThreadWindows(GetCurrentThreadId(), &Disable, reinterpret_cast<LPARAM>(this));
  }
  ~OtherWindowsDisabled() {
    for (HWND window : disabled_) EnableWindow(window, TRUE);
  }
  OtherWindowsDisabled(const OtherWindowsDisabled&) = delete;
  OtherWindowsDisabled& operator=(const OtherWindowsDisabled&) = delete;

 private:
  static BOOL CALLBACK Disable(HWND window, LPARAM self) {
    auto& windows = *reinterpret_cast<OtherWindowsDisabled*>(self);
    if (window != windows.owner_ && IsWindowVisible(window) && IsWindowEnabled(window)) {
      EnableWindow(window, FALSE);
      windows.disabled_.push_back(window);
    }
    return TRUE;
  }

  HWND owner_;
  std::vector<HWND> disabled_;
};

}  // namespace

// There are no help topics: the help context is never looked at. The close
// box gives 2, the result of a closed dialog.
int Win32ErrorUi::RunMessageDialog(const std::string& text, int kind, std::uint16_t buttons,
                                   int /*helpContext*/) {
  DialogKeys keys{PlanButtons(buttons)};
  const ButtonPlan& plan = keys.plan;
  std::vector<std::wstring> captions;
  for (DialogButton button : plan.buttons) captions.push_back(Wide(ButtonCaption(button)));
  std::vector<TASKDIALOG_BUTTON> pushes;
  for (std::size_t i = 0; i < plan.buttons.size(); ++i) {
    pushes.push_back({ModalResult(plan.buttons[i]), captions[i].c_str()});
  }
  const std::wstring title = Wide(KindCaption(kind).value_or(title_));
  const std::wstring content = Wide(text);
  TASKDIALOGCONFIG config{};
  config.cbSize = sizeof config;
  config.hwndParent = GetActiveWindow();
  config.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION;
  config.pszWindowTitle = title.c_str();
  config.pszMainIcon = KindIcon(kind);
  config.pszContent = content.c_str();
  config.cButtons = static_cast<UINT>(pushes.size());
  config.pButtons = pushes.data();
  config.nDefaultButton = plan.defaultButton ? ModalResult(*plan.defaultButton) : 0;
  config.pfCallback = OnDialogEvent;
  config.lpCallbackData = reinterpret_cast<LONG_PTR>(&keys);
  int pressed = message_dialog::kResultClosed;
  const OtherWindowsDisabled modal(config.hwndParent);
  TaskDialogIndirect(&config, &pressed, nullptr, nullptr);
  return pressed;
}

void Win32ErrorUi::ReportException(const Exception& e) {
  // A drag or a held button would otherwise keep the mouse from the report.
  if (HWND capture = GetCapture()) SendMessageW(capture, WM_CANCELMODE, 0, 0);
  HWND active = GetActiveWindow();
  const std::wstring text = Wide(ExceptionReportText(e));
  const std::wstring caption = Wide(title_);
  // Task-modal: every window of the program waits for the box.
  MessageBoxW(nullptr, text.c_str(), caption.c_str(), MB_OK | MB_ICONHAND | MB_TASKMODAL);
  if (active != nullptr) SetActiveWindow(active);
}

}  // namespace siconv
