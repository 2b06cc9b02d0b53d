#pragma once
// The window's bitmaps (linked in as resources) and the owner-drawn items
// and buttons that show them. The bitmaps' key colour #F0F0F0 is left out
// when they are drawn.
#include <windows.h>

#include <string>

#include "ui/win32/layout_controls.h"

namespace siconv {

// The bitmap resource of that name at the screen's resolution, loaded once.
HBITMAP WindowBitmap(const wchar_t* name, const Scale& scale);
SIZE BitmapSize(HBITMAP bitmap);

// An item of the drive chooser or the folder list: its bitmap indented by
// indent pixels, then its text, highlighted when selected.
void DrawBitmapItem(const DRAWITEMSTRUCT& item, HBITMAP bitmap, int indent,
                    const std::wstring& text);

// A push button that shows an image, the greyed one while it is disabled.
void DrawImageButton(const DRAWITEMSTRUCT& item, HBITMAP normal, HBITMAP disabled);

}  // namespace siconv
