#pragma once
// A top-level window of the Win32 skin made from a layout table: its
// controls, their tooltips, its place in the middle of the screen, and a
// window procedure that runs every handler inside RunGuarded.
#include <windows.h>

#include <memory>

#include "browser/window_layout.h"
#include "engine/error_report.h"
#include "ui/win32/layout_controls.h"

namespace siconv {

class LayoutWindow {
 public:
  // A main window (no owner) can be resized; an owned one is a fixed dialog
  // that closing only hides.
  LayoutWindow(const WindowLayout& layout, HWND owner, ErrorUi& errors);
  virtual ~LayoutWindow();
  LayoutWindow(const LayoutWindow&) = delete;
  LayoutWindow& operator=(const LayoutWindow&) = delete;

  HWND Handle() const { return hwnd_; }
  const LayoutControls& Controls() const { return *controls_; }
  const Scale& Scaling() const { return scale_; }
  ErrorUi& Errors() const { return errors_; }
  // The tooltip control that shows the controls' hints.
  HWND Tooltip() const { return tooltip_; }

  // Visible and in front, without being modal.
  void ShowModeless();

 protected:
  // Called for every message once the window is made; the default closes
  // an owned window by hiding it.
  virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // WM_COMMAND from a control of the layout.
  virtual void OnControl(const LayoutControl& /*control*/, int /*code*/) {}
  // Return, which the message loop hands over as IDOK: it presses the
  // button that has the focus.
  virtual void OnReturn(const LayoutControl& focused);
  // Escape, handed over as IDCANCEL: nothing, unless the window has a
  // cancel button.
  virtual void OnEscape() {}

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void AddTooltips();

  ErrorUi& errors_;
  Scale scale_;
  HWND hwnd_ = nullptr;
  HWND tooltip_ = nullptr;
  bool owned_;
  std::unique_ptr<LayoutControls> controls_;
};

// Hands a key of the dialog keyboard (Tab, the accelerators, Return) to the
// window that holds message's control; false for any other message.
bool RouteDialogMessage(MSG& message);

// The message loop of the program's windows: Tab, the accelerators and
// Return reach the controls of whichever window has the focus.
int RunMessageLoop();

}  // namespace siconv
