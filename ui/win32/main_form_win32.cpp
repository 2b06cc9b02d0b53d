#include "ui/win32/main_form_win32.h"

#include <commctrl.h>

#include <algorithm>

#include "state/regional_settings.h"
#include "ui/win32/dialogs_win32.h"
#include "ui/win32/images.h"

namespace siconv {
namespace {

constexpr UINT_PTR kStatusTimer = 1;
constexpr COLORREF kKeyColour = RGB(0xF0, 0xF0, 0xF0);

struct ToolButtonFace {
  const char* name;
  const wchar_t* image;
  const wchar_t* disabledImage;
};

// The exit button is never disabled: its door stands in for a greyed copy.
constexpr ToolButtonFace kToolButtons[] = {
    {"SpeedButton1", L"TOOL_EXIT", L"TOOL_EXIT"},
    {"SpeedButton2", L"TOOL_VERSION", L"TOOL_VERSION_DISABLED"},
};

HIMAGELIST ImageListOf(const Scale& scale, bool disabled) {
  const SIZE size = BitmapSize(WindowBitmap(L"TOOL_EXIT", scale));
  HIMAGELIST images = ImageList_Create(size.cx, size.cy, ILC_COLOR24 | ILC_MASK, 2, 0);
  for (const ToolButtonFace& face : kToolButtons) {
    ImageList_AddMasked(images, WindowBitmap(disabled ? face.disabledImage : face.image, scale),
                        kKeyColour);
  }
  return images;
}

// The height of a line of text in the control's font.
int FontHeight(HWND control) {
  HDC dc = GetDC(control);
  const HGDIOBJ old =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return metrics.tmHeight;
}

}  // namespace

TmainForm::TmainForm(ErrorUi& errors, const std::string& startFolder,
                     const std::vector<VolumeRecord>& volumes)
    : LayoutWindow(MainFormLayout(), nullptr, errors),
      model_(startFolder, volumes),
      folderTip_(Tooltip(), Handle(), Controls().Window("DirectoryListBox"), model_.Folders(),
                 Scaling()) {
  SetUpToolBar();
  SetUpNotebook();
  SetUpStatusBar();
  SetUpLists();
  ShowVolumes();
  ShowFolders();
  // FormCreate, then the timer, enabled from creation.
  StartMainWindow(model_, *this);
  SetTimerEnabled(true);
}

void TmainForm::SetDialogs(TFormBorSel& formBorSel, TFormVersion& formVersion) {
  formBorSel_ = &formBorSel;
  formVersion_ = &formVersion;
}

// Two flat buttons, image above caption. The layout overlaps them by one
// column (at 0 and 64); toolbar buttons cannot overlap, so the first gives up
// its last column.
void TmainForm::SetUpToolBar() {
  HWND bar = Controls().Window("CoolBar1");
  const Scale& scale = Scaling();
  SendMessageW(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  const SIZE image = BitmapSize(WindowBitmap(L"TOOL_EXIT", scale));
  SendMessageW(bar, TB_SETBITMAPSIZE, 0, MAKELPARAM(image.cx, image.cy));
  SendMessageW(bar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(ImageListOf(scale, false)));
  SendMessageW(bar, TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(ImageListOf(scale, true)));
  int imageIndex = 0;
  for (const ToolButtonFace& face : kToolButtons) {
    const ControlLayout& button = Control(MainFormLayout(), face.name);
    hints_.push_back(Wide(button.hint));
    const std::wstring caption = Wide(button.caption);
    TBBUTTON added{};
    added.iBitmap = imageIndex++;
    added.idCommand = Controls().Id(face.name);
    added.fsState = TBSTATE_ENABLED;
    added.fsStyle = BTNS_BUTTON;
    added.iString = reinterpret_cast<INT_PTR>(caption.c_str());
    SendMessageW(bar, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&added));
  }
  const Place second = Control(MainFormLayout(), "SpeedButton2").place;
  SendMessageW(bar, TB_SETBUTTONSIZE, 0, MAKELPARAM(scale(second.width), scale(second.height)));
  TBBUTTONINFOW first{};
  first.cbSize = sizeof first;
  first.dwMask = TBIF_SIZE;
  first.cx = static_cast<WORD>(scale(second.left));
  SendMessageW(bar, TB_SETBUTTONINFOW, Controls().Id("SpeedButton1"),
               reinterpret_cast<LPARAM>(&first));
}

void TmainForm::SetUpNotebook() {
  std::wstring caption = Wide(Control(MainFormLayout(), "Boring").caption);
  TCITEMW page{};
  page.mask = TCIF_TEXT;
  page.pszText = caption.data();
  SendMessageW(Controls().Window("TabbedNotebook1"), TCM_INSERTITEMW, 0,
               reinterpret_cast<LPARAM>(&page));
}

// One panel that reaches the right end, in the system's status-bar font.
void TmainForm::SetUpStatusBar() {
  HWND bar = Controls().Window("StatusBar");
  int right = -1;
  SendMessageW(bar, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(&right));
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
    static const HFONT font = CreateFontIndirectW(&metrics.lfStatusFont);
    SendMessageW(bar, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
}

// Item heights: the layout's for the lists, 16 for the drive chooser's
// items, whose closed field keeps the chooser 19 high; a font taller than
// that (VL Gothic is, at 12 pixels) gets its own height, so that no item is
// clipped.
void TmainForm::SetUpLists() {
  const Scale& scale = Scaling();
  for (const char* list : {"ListBox1", "ListBox2", "FileListBox1", "DirectoryListBox"}) {
    HWND hwnd = Controls().Window(list);
    const int rows = scale(Control(MainFormLayout(), list).itemHeight);
    SendMessageW(hwnd, LB_SETITEMHEIGHT, 0, std::max(rows, FontHeight(hwnd)));
  }
  HWND chooser = Controls().Window("DriveComboBox");
  SendMessageW(chooser, CB_SETITEMHEIGHT, 0, scale(16));
  SendMessageW(chooser, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1),
               scale(Control(MainFormLayout(), "DriveComboBox").place.height - 6));
}

void TmainForm::ShowVolumes() {
  HWND chooser = Controls().Window("DriveComboBox");
  SendMessageW(chooser, CB_RESETCONTENT, 0, 0);
  for (const VolumeItem& volume : model_.Volumes().Items()) {
    SendMessageW(chooser, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(volume.text).c_str()));
  }
  SendMessageW(chooser, CB_SETCURSEL, static_cast<WPARAM>(model_.Volumes().CurrentIndex()), 0);
}

void TmainForm::ShowFolders() {
  HWND list = Controls().Window("DirectoryListBox");
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  for (const FolderItem& item : model_.Folders().Items()) {
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item.text).c_str()));
  }
  SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(model_.Folders().CurrentItemIndex()), 0);
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
  SendMessageW(Controls().Window("DriveComboBox"), CB_SETCURSEL,
               static_cast<WPARAM>(model_.Volumes().CurrentIndex()), 0);
}

void TmainForm::ShowLists() {
  ShowFiles();
  ShowList(kOldList, "ListBox1");
  ShowList(kSiList, "ListBox2");
  EnableWindow(Controls().Window("BitBtn1"), model_.Arrows().toSi);
  EnableWindow(Controls().Window("BitBtn2"), model_.Arrows().toOld);
}

// The items are rebuilt only when the captions changed, so the anchor of a
// range selection stays. Selections set here notify nobody.
void TmainForm::ShowList(int side, const char* listName) {
  HWND list = Controls().Window(listName);
  const QuantityList& shown = model_.List(side);
  if (shownCaptions_[side] != shown.captions) {
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& caption : shown.captions) {
      SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(caption).c_str()));
    }
    shownCaptions_[side] = shown.captions;
  }
  for (std::size_t i = 0; i < shown.selected.size(); ++i) {
    SendMessageW(list, LB_SETSEL, shown.selected[i] ? TRUE : FALSE, static_cast<LPARAM>(i));
  }
}

// The hidden file list holds the names the last folder scan read.
void TmainForm::ShowFiles() {
  if (shownFiles_ == model_.FileNames()) return;
  HWND list = Controls().Window("FileListBox1");
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  for (const std::string& name : model_.FileNames()) {
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(name).c_str()));
  }
  shownFiles_ = model_.FileNames();
}

std::vector<bool> TmainForm::Selection(const char* listName) const {
  HWND list = Controls().Window(listName);
  const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  std::vector<bool> selected;
  for (LRESULT i = 0; i < count; ++i) {
    selected.push_back(SendMessageW(list, LB_GETSEL, static_cast<WPARAM>(i), 0) > 0);
  }
  return selected;
}

void TmainForm::ShowStatus(const std::string& text) {
  HWND bar = Controls().Window("StatusBar");
  SendMessageW(bar, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(Wide(text).c_str()));
  // A command runs without returning to the message loop; paint its progress now.
  UpdateWindow(bar);
}

void TmainForm::SetTimerEnabled(bool enabled) {
  if (enabled) {
    SetTimer(Handle(), kStatusTimer, kStatusTimerInterval, nullptr);
  } else {
    KillTimer(Handle(), kStatusTimer);
  }
  timerEnabled_ = enabled;
}

// The toolbar along the top and the status bar along the bottom follow the
// window's width; every other control keeps its place.
void TmainForm::FollowWidth() {
  RECT client{};
  GetClientRect(Handle(), &client);
  const Scale& scale = Scaling();
  const Place bar = Control(MainFormLayout(), "CoolBar1").place;
  SetWindowPos(Controls().Window("CoolBar1"), nullptr, 0, 0, client.right, scale(bar.height),
               SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
  const int statusHeight = scale(Control(MainFormLayout(), "StatusBar").place.height);
  SetWindowPos(Controls().Window("StatusBar"), nullptr, 0, client.bottom - statusHeight,
               client.right, statusHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TmainForm::DrawItem(const DRAWITEMSTRUCT& item) {
  if (item.itemID == static_cast<UINT>(-1)) return;
  const auto index = static_cast<std::size_t>(item.itemID);
  const Scale& scale = Scaling();
  if (item.hwndItem == Controls().Window("DriveComboBox")) {
    DrawVolumeItem(item, model_.Volumes().Items().at(index), scale);
  } else if (item.hwndItem == Controls().Window("DirectoryListBox")) {
    DrawFolderItem(item, model_.Folders().Items().at(index), scale);
  } else if (item.hwndItem == Controls().Window("BitBtn1")) {
    DrawImageButton(item, WindowBitmap(L"ARROW_RIGHT", scale),
                    WindowBitmap(L"ARROW_RIGHT_DISABLED", scale));
  } else if (item.hwndItem == Controls().Window("BitBtn2")) {
    DrawImageButton(item, WindowBitmap(L"ARROW_LEFT", scale),
                    WindowBitmap(L"ARROW_LEFT_DISABLED", scale));
  }
}

void TmainForm::OnControl(const LayoutControl& control, int code) {
  const std::string_view name = control.layout->name;
  HWND notebook = Controls().Window("TabbedNotebook1");
  const int page = static_cast<int>(SendMessageW(notebook, TCM_GETCURSEL, 0, 0));
  if (name == "DriveComboBox" && code == CBN_SELCHANGE) {
    ChooseVolume(model_, *this, static_cast<int>(SendMessageW(control.hwnd, CB_GETCURSEL, 0, 0)));
  } else if (name == "DirectoryListBox" && code == LBN_DBLCLK) {
    OpenFolderItem(model_, *this, static_cast<int>(SendMessageW(control.hwnd, LB_GETCURSEL, 0, 0)));
  } else if (name == "ListBox1" && code == LBN_SELCHANGE) {
    SelectRows(model_, *this, kOldList, Selection("ListBox1"));
  } else if (name == "ListBox2" && code == LBN_SELCHANGE) {
    SelectRows(model_, *this, kSiList, Selection("ListBox2"));
  } else if (name == "BitBtn1" && code == BN_CLICKED) {
    RunCommand(model_, *this, *this, 1, page);
  } else if (name == "BitBtn2" && code == BN_CLICKED) {
    RunCommand(model_, *this, *this, 0, page);
  } else if (name == "BitBtnBorSet" && code == BN_CLICKED) {
    formBorSel_->ShowUnitTypes();
    formBorSel_->ShowModeless();
  } else if (name == "SpeedButton1") {
    SendMessageW(Handle(), WM_CLOSE, 0, 0);
  } else if (name == "SpeedButton2") {
    formVersion_->ShowModeless();
  }
}

// Return on the folder list opens the highlighted folder.
void TmainForm::OnReturn(const LayoutControl& focused) {
  if (focused.layout->kind == ControlKind::FolderList) {
    OpenFolderItem(model_, *this, static_cast<int>(SendMessageW(focused.hwnd, LB_GETCURSEL, 0, 0)));
    return;
  }
  LayoutWindow::OnReturn(focused);
}

LRESULT TmainForm::OnNotify(const NMHDR& header) {
  if (header.code == TCN_SELCHANGING) {
    NotebookPageChanging(model_, *this);
  } else if (header.code == TTN_GETDISPINFOW) {
    auto& info = const_cast<NMTTDISPINFOW&>(reinterpret_cast<const NMTTDISPINFOW&>(header));
    if (folderTip_.Answer(info)) return 0;
    for (std::size_t i = 0; i < std::size(kToolButtons); ++i) {
      if (header.idFrom == static_cast<UINT_PTR>(Controls().Id(kToolButtons[i].name))) {
        info.lpszText = hints_[i].data();
      }
    }
  }
  return 0;
}

LRESULT TmainForm::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DRAWITEM:
      DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_TIMER:
      if (wParam == kStatusTimer) StatusTimerTick(*this);
      return 0;
    case WM_SIZE:
      FollowWidth();
      return 0;
    case WM_SETTINGCHANGE:
      if (lParam != 0 && std::wstring_view(reinterpret_cast<const wchar_t*>(lParam)) == L"intl") {
        ApplyRegionalSettings();
      }
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return LayoutWindow::OnMessage(message, wParam, lParam);
  }
}

}  // namespace siconv
