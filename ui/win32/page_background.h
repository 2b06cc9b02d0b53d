#pragma once
// Labels on a notebook page stand on the page, not on the window's face. A
// themed tab control draws its page in its own colour (white in the usual
// themes), while the labels are the window's children and would fill their
// boxes with the window's face; they are given the page's picture instead.
#include <windows.h>

#include "ui/win32/layout_controls.h"

namespace siconv {

// Answers WM_CTLCOLORSTATIC for control: when it stands on a themed notebook
// page, paints that part of the page into dc and gives a hollow brush with
// transparent text; null otherwise (the window's face is right then).
HBRUSH PageBackground(const LayoutControls& controls, HWND control, HDC dc);

}  // namespace siconv
