#pragma once
// The window's bitmaps (linked in as resources) and the owner-drawn items
// and buttons that show them. The bitmaps' key colour #F0F0F0 is left out
// when they are drawn.
#include <windows.h>

#include <string>

#include "browser/folder_list_model.h"
#include "browser/volume_list.h"
#include "ui/win32/layout_controls.h"

namespace siconv {

// The bitmap resource of that name at the screen's resolution, loaded once.
HBITMAP WindowBitmap(const wchar_t* name, const Scale& scale);
SIZE BitmapSize(HBITMAP bitmap);

// An item of the drive chooser and of the folder list: its kind's bitmap
// (a folder's indented by its depth), then its text, highlighted when selected.
void DrawVolumeItem(const DRAWITEMSTRUCT& item, const VolumeItem& volume, const Scale& scale);
void DrawFolderItem(const DRAWITEMSTRUCT& item, const FolderItem& folder, const Scale& scale);
// The part of the folder list's item place that its text may fill.
RECT FolderTextPlace(RECT place, const FolderItem& folder, const Scale& scale);

// A push button that shows an image, the greyed one while it is disabled.
void DrawImageButton(const DRAWITEMSTRUCT& item, HBITMAP normal, HBITMAP disabled);

}  // namespace siconv
