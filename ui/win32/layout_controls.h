#pragma once
// The Win32 skin's controls, made from the shared layout tables: one child
// window per control at its place in the window's client area, scaled from
// 96 dots per inch to the screen's, with its caption and font. Every control
// is a direct child of its top-level window, so that its notifications reach
// that window; frames, the notebook and panels only group them visually.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "browser/window_layout.h"

namespace siconv {

// The layout's pixels at the screen's resolution: the windows are system-DPI
// aware and draw every place and font scaled, so at 150 % nothing is clipped.
class Scale {
 public:
  explicit Scale(int dpi) : dpi_(dpi) {}
  static Scale OfScreen();

  int operator()(int pixels) const { return MulDiv(pixels, dpi_, 96); }
  RECT Rect(const Place& place) const;
  int Dpi() const { return dpi_; }

 private:
  int dpi_;
};

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

// The layout's Japanese gothic at its pixel height, made once per
// face and height and kept until the program ends.
HFONT LayoutFont(FontSpec font, const Scale& scale);

// The size of text in font, as drawn on control.
SIZE TextExtent(HWND control, HFONT font, std::wstring_view text);

struct LayoutControl {
  const ControlLayout* layout;
  HWND hwnd;  // null for the parts without a window of their own
  int id;     // the control's WM_COMMAND identifier
};

class LayoutControls {
 public:
  // Makes every control of layout inside window; identifiers count from
  // firstId in table order.
  LayoutControls(HWND window, const WindowLayout& layout, const Scale& scale, int firstId);

  // Raise std::out_of_range for a name the window does not have.
  const LayoutControl& Find(std::string_view name) const;
  HWND Window(std::string_view name) const { return Find(name).hwnd; }
  int Id(std::string_view name) const { return Find(name).id; }
  // The control whose identifier is id; null when there is none.
  const LayoutControl* ById(int id) const;
  const std::vector<LayoutControl>& All() const { return controls_; }

 private:
  std::vector<LayoutControl> controls_;
};

}  // namespace siconv
