// The Win32 window under Wine, driven by the messages its controls send:
// what a user would see after each act. The rules behind it are the model's
// and are tested there; here the skin's drawing and reporting paths.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "browser/message_dialog_plan.h"
#include "browser/window_layout.h"
#include "engine/decimal_separator.h"
#include "state/command_status.h"
#include "tests/ui/win32/win32_window_test_support.h"
#include "ui/win32/layout_controls.h"
#include "ui/win32/win32_error_ui.h"

namespace siconv {
namespace {

namespace fs = std::filesystem;

// Every file of a folder with its bytes; the folder lock's mark is no data.
std::map<std::string, std::string> FolderBytes(const fs::path& folder) {
  std::map<std::string, std::string> files;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (!IsFolderLockMark(name)) files[name] = ReadFile(entry.path().string());
  }
  return files;
}

// What the Linux siconv-cli made of examples/old-units (scripts/windows-tests).
fs::path LinuxExpected(const char* step) {
  return fs::path(SICONV_BINARY_DIR) / "linux-expected" / step;
}

TEST_F(Win32WindowTest, ConvertsTheExampleToSiAndBackWithTheLinuxBuildsBytes) {
  ASSERT_TRUE(fs::is_directory(LinuxExpected("to-si"))) << "made by scripts/windows-tests";
  const std::string data = CopyExample("old-units", "data");
  Start();
  OpenFolder("data");
  std::vector<std::string> files;  // the hidden file list's names
  for (const auto& [name, bytes] : FolderBytes(Wide(data))) files.push_back(name);
  EXPECT_EQ(Items("FileListBox1"), files);
  EXPECT_FALSE(IsWindowVisible(Window("FileListBox1")));
  const std::vector<std::string> captions = Items("ListBox1");
  ASSERT_FALSE(captions.empty());
  std::vector<int> all(captions.size());
  for (std::size_t i = 0; i < all.size(); ++i) all[i] = static_cast<int>(i);

  SelectRows("ListBox1", all);
  Press(*form, "BitBtn1");
  EXPECT_EQ(Items("ListBox1"), std::vector<std::string>{});
  EXPECT_EQ(Items("ListBox2"), captions);
  EXPECT_EQ(StatusText(), CommandStatusText(true));
  EXPECT_EQ(FolderBytes(Wide(data)), FolderBytes(LinuxExpected("to-si")));

  SelectRows("ListBox2", all);
  Press(*form, "BitBtn2");
  EXPECT_EQ(Items("ListBox1"), captions);
  EXPECT_EQ(FolderBytes(Wide(data)), FolderBytes(LinuxExpected("to-old")));
  EXPECT_EQ(errors.reports, std::vector<std::string>{});
  EXPECT_FALSE(IsWindowEnabled(Window("BitBtn1")));
  EXPECT_FALSE(IsWindowEnabled(Window("BitBtn2")));
}

TEST_F(Win32WindowTest, AFailedFolderChangeLeavesEveryControlOnThePreviousFolder) {
  CopyExample("old-units", "data");
  fs::create_directory(Wide(root.Path("data") + "\\gone"));
  Start();
  OpenFolder("data");
  SelectRows("ListBox1", {0});
  const std::vector<std::string> folders = Items("DirectoryListBox");
  const std::vector<std::string> oldList = Items("ListBox1");
  const int drive = Selected("DriveComboBox");
  const int highlighted = Selected("DirectoryListBox");
  fs::remove(Wide(root.Path("data") + "\\gone"));

  OpenFolder("gone");
  EXPECT_EQ(errors.reports.size(), 1U);
  EXPECT_EQ(Items("DirectoryListBox"), folders);
  EXPECT_EQ(Selected("DirectoryListBox"), highlighted);
  EXPECT_EQ(Selected("DriveComboBox"), drive);
  EXPECT_EQ(Items("ListBox1"), oldList);
  EXPECT_EQ(form->Model().DataFolder(), root.Path("data"));
  EXPECT_TRUE(IsWindowEnabled(Window("BitBtn1")));
}

// Declared through the settings dialog, a quantity whose record file is not
// in the folder is listed; converting it shows the open error naming the
// file, and the failure reaches the status bar.
TEST_F(Win32WindowTest, AnOpenFailureIsShownAndReachesTheStatusBar) {
  fs::remove(Wide(CopyExample("old-units", "data") + "\\G73.TXT"));
  Start();
  OpenFolder("data");
  const std::size_t present = Items("ListBox1").size();
  Press(*form, "BitBtnBorSet");
  EXPECT_TRUE(IsWindowVisible(windows->FormBorSel.Handle()));
  Press(windows->FormBorSel, "BitBtnExit");
  EXPECT_FALSE(IsWindowVisible(windows->FormBorSel.Handle()));
  ASSERT_EQ(Items("ListBox1").size(), 6U);
  ASSERT_LT(present, 6U);

  std::vector<int> all{0, 1, 2, 3, 4, 5};
  SelectRows("ListBox1", all);
  Press(*form, "BitBtn1");
  ASSERT_EQ(errors.dialogs.size(), 1U);
  EXPECT_NE(errors.dialogs[0].text.find(root.Path("data") + "\\G73.TXT"), std::string::npos)
      << errors.dialogs[0].text;
  EXPECT_EQ(StatusText(), CommandStatusText(false));
  EXPECT_FALSE(IsWindowEnabled(Window("BitBtn1")));
}

TEST_F(Win32WindowTest, TheVersionDialogShowsOnceAndClosingOnlyHidesIt) {
  Start();
  for (int i = 0; i < 2; ++i) {
    Notify(*form, "SpeedButton2", BN_CLICKED);
    EXPECT_TRUE(IsWindowVisible(windows->FormVersion.Handle()));
  }
  SendMessageW(windows->FormVersion.Handle(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindowVisible(windows->FormVersion.Handle()));
  EXPECT_TRUE(IsWindow(windows->FormVersion.Handle()));
}

// Over a folder name cut short the tooltip shows it whole; over a name that
// fits, the list's hint: the whole path of the folder it stands on.
TEST_F(Win32WindowTest, ACutFolderNameShowsWholeInATooltip) {
  const std::string longName = "ボーリング調査データ_2023年度_追加分";
  fs::create_directory(Wide(root.Path(longName)));
  fs::create_directory(Wide(root.Path("data")));
  Start();
  EXPECT_EQ(TooltipOver(longName), longName);
  EXPECT_EQ(TooltipOver("data"), root.Path());
}

// A key as the message loop routes it to the focused control's window.
void RouteKey(UINT key) {
  MSG down{GetFocus(), WM_KEYDOWN, key, 0, 0, {}};
  EXPECT_TRUE(RouteDialogMessage(down));
}

// Return presses the focused button; Escape presses the settings dialog's
// cancel button, and the main window, which has none, ignores it.
TEST_F(Win32WindowTest, ReturnPressesTheFocusedButtonAndEscapeCancels) {
  Start();
  HWND settings = windows->FormBorSel.Handle();
  SetFocus(Window("BitBtnBorSet"));
  RouteKey(VK_ESCAPE);
  EXPECT_FALSE(IsWindowVisible(settings));
  RouteKey(VK_RETURN);
  ASSERT_TRUE(IsWindowVisible(settings));
  SetFocus(windows->FormBorSel.Controls().Window("BitBtnExit"));
  RouteKey(VK_ESCAPE);
  EXPECT_FALSE(IsWindowVisible(settings));
  Press(*form, "BitBtnBorSet");
  SetFocus(windows->FormBorSel.Controls().Window("BitBtnCancel"));
  RouteKey(VK_RETURN);
  EXPECT_FALSE(IsWindowVisible(settings));
}

// Tab, as the message loop routes it, visits the controls that can take the
// focus now in the layout's tab order, and comes round to the first. Of a
// radio pair only the checked button is a stop, as in any Windows dialog.
TEST_F(Win32WindowTest, TabFollowsTheLayoutsTabOrder) {
  Start();
  Press(*form, "BitBtnBorSet");
  const std::pair<const LayoutWindow*, const WindowLayout*> windowsAndLayouts[] = {
      {form, &MainFormLayout()}, {&windows->FormBorSel, &FormBorSelLayout()}};
  for (const auto& [window, layout] : windowsAndLayouts) {
    std::vector<std::string_view> reachable;
    for (std::string_view name : TabSequence(*layout)) {
      HWND control = window->Controls().Window(name);
      const bool unchecked = SendMessageW(control, BM_GETCHECK, 0, 0) == BST_UNCHECKED;
      const bool radio = Control(*layout, name).kind == ControlKind::RadioButton;
      if (IsWindowVisible(control) && IsWindowEnabled(control) && !(radio && unchecked)) {
        reachable.push_back(name);
      }
    }
    ASSERT_GT(reachable.size(), 3U) << layout->name;
    SetFocus(window->Controls().Window(reachable.front()));
    std::vector<std::string_view> visited;
    for (std::size_t i = 0; i < reachable.size(); ++i) {
      MSG tab{GetFocus(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
      EXPECT_TRUE(RouteDialogMessage(tab));
      const LayoutControl* focused = window->Controls().ById(GetDlgCtrlID(GetFocus()));
      visited.push_back(focused != nullptr ? focused->layout->name : "?");
    }
    std::ranges::rotate(reachable, reachable.begin() + 1);
    EXPECT_EQ(visited, reachable) << layout->name;
  }
}

// The user's decimal point (HKCU\\Control Panel\\International, sDecimal)
// set for the test and put back at its end.
class UserDecimalPoint {
 public:
  explicit UserDecimalPoint(const wchar_t* point) {
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, before_, std::size(before_));
    EXPECT_TRUE(SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, point));
  }
  ~UserDecimalPoint() { SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, before_); }
  UserDecimalPoint(const UserDecimalPoint&) = delete;
  UserDecimalPoint& operator=(const UserDecimalPoint&) = delete;

 private:
  wchar_t before_[8] = {};
};

// The window reads the decimal separator again when the regional settings
// change, and only then.
TEST_F(Win32WindowTest, ARegionalSettingsChangeReadsTheDecimalSeparatorAgain) {
  Start();
  const char before = DecimalSeparator;
  const auto settingChange = [&](const wchar_t* area) {
    SendMessageW(form->Handle(), WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(area));
    return DecimalSeparator;
  };
  {
    const UserDecimalPoint semicolon(L";");
    EXPECT_EQ(settingChange(L"Environment"), before);
    EXPECT_EQ(settingChange(L"intl"), ';');
  }
  EXPECT_EQ(settingChange(L"intl"), before);
}

constexpr UINT kCloseBox = 0;
std::vector<UINT> pendingActs;  // keys, or kCloseBox

// One act per tick on the open-error dialog, once it is up.
void CALLBACK ActOnDialog(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND dialog = FindWindowW(L"#32770", Wide(*KindCaption(message_dialog::kKindError)).c_str());
  if (dialog == nullptr) return;
  if (pendingActs.empty()) {
    KillTimer(nullptr, timer);
    return;
  }
  const UINT act = pendingActs.front();
  pendingActs.erase(pendingActs.begin());
  if (act == kCloseBox) {
    PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
  } else {
    PostMessageW(GetFocus() != nullptr ? GetFocus() : dialog, WM_KEYDOWN, act, 0);
  }
}

// The open-error dialog's keys follow its button plan: Return presses the
// focused button, the first when no default is planned; Escape presses the
// planned cancel button and does nothing without one; the close box gives 2.
TEST(Win32MessageDialogTest, ReturnEscapeAndTheCloseBoxFollowTheButtonPlan) {
  struct Case {
    std::uint16_t buttons;
    std::vector<UINT> acts;
    int result;
  };
  const Case cases[] = {
      {0x0010, {VK_RETURN}, message_dialog::kResultAbort},
      {0x0010, {VK_ESCAPE, VK_RETURN}, message_dialog::kResultAbort},
      {0x0010, {kCloseBox}, message_dialog::kResultClosed},
      {0x0003, {VK_ESCAPE, kCloseBox}, ModalResult(DialogButton::No)},
  };
  Win32ErrorUi dialogs("Siconv");
  for (const Case& c : cases) {
    pendingActs = c.acts;
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, &ActOnDialog);
    EXPECT_EQ(dialogs.RunMessageDialog("G73.TXT", message_dialog::kKindError, c.buttons, 0),
              c.result)
        << c.buttons << " " << c.acts.front();
    KillTimer(nullptr, timer);
  }
}

// While the open-error dialog is up, the settings dialog takes no input,
// so no declaration can come in the middle of a command.
TEST_F(Win32WindowTest, TheOpenErrorDialogHoldsEveryWindowOfTheProgram) {
  Start();
  Press(*form, "BitBtnBorSet");
  HWND settings = windows->FormBorSel.Handle();
  SetActiveWindow(form->Handle());
  static HWND watched;
  static BOOL enabledDuringDialog;
  watched = settings;
  enabledDuringDialog = TRUE;
  pendingActs = {VK_RETURN};
  const UINT_PTR timer = SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR id, DWORD) {
    if (FindWindowW(L"#32770", Wide(*KindCaption(message_dialog::kKindError)).c_str())) {
      enabledDuringDialog = IsWindowEnabled(watched);
    }
    ActOnDialog(nullptr, 0, id, 0);
  });
  Win32ErrorUi("Siconv").RunMessageDialog("G73.TXT", message_dialog::kKindError, 0x0010, 0);
  KillTimer(nullptr, timer);
  EXPECT_FALSE(enabledDuringDialog);
  EXPECT_TRUE(IsWindowEnabled(settings));
}

// The chooser shows the model's drives, whose kinds the browser's own test
// checks against the prefix, and stands on the drive of the start folder.
TEST_F(Win32WindowTest, TheDriveChooserShowsTheDrivesOnTheStartFolders) {
  Start();
  std::vector<std::string> drives;
  for (const VolumeItem& item : form->Model().Volumes().Items()) drives.push_back(item.text);
  ASSERT_GT(drives.size(), 2U);
  const std::vector<std::string> shown = Items("DriveComboBox");
  EXPECT_EQ(shown, drives);
  ASSERT_GE(Selected("DriveComboBox"), 0);
  EXPECT_EQ(shown[static_cast<std::size_t>(Selected("DriveComboBox"))].substr(0, 2),
            std::string(1, static_cast<char>(std::tolower(root.Path()[0]))) + ":");
}

RECT PlaceIn(HWND window, HWND control) {
  RECT place{};
  GetWindowRect(control, &place);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
  return place;
}

void ExpectAtLayout(const LayoutWindow& window, const WindowLayout& layout) {
  const Scale& scale = window.Scaling();
  RECT client{};
  GetClientRect(window.Handle(), &client);
  EXPECT_EQ(client.right, scale(layout.clientWidth)) << layout.name;
  EXPECT_EQ(client.bottom, scale(layout.clientHeight)) << layout.name;
  for (const LayoutControl& control : window.Controls().All()) {
    if (control.hwnd == nullptr) continue;
    const RECT want = scale.Rect(PlaceInWindow(layout, control.layout->name));
    const RECT got = PlaceIn(window.Handle(), control.hwnd);
    const std::string where = std::string(layout.name) + "." + std::string(control.layout->name);
    EXPECT_EQ(got.left, want.left) << where;
    EXPECT_EQ(got.top, want.top) << where;
    EXPECT_EQ(got.bottom, want.bottom) << where;
    // A label grows to its text; everything else keeps its width.
    if (control.layout->kind == ControlKind::Label) {
      EXPECT_GE(got.right, want.right) << where;
    } else {
      EXPECT_EQ(got.right, want.right) << where;
    }
  }
}

TEST_F(Win32WindowTest, EveryControlSitsAtItsLayoutRectangle) {
  Start();
  ExpectAtLayout(*form, MainFormLayout());
  ExpectAtLayout(windows->FormBorSel, FormBorSelLayout());
  ExpectAtLayout(windows->FormVersion, FormVersionLayout());
  HWND bar = Window("CoolBar1");
  const Scale& scale = form->Scaling();
  for (const char* name : {"SpeedButton1", "SpeedButton2"}) {
    RECT got{};
    SendMessageW(bar, TB_GETRECT, form->Controls().Id(name), reinterpret_cast<LPARAM>(&got));
    const Place place = Control(MainFormLayout(), name).place;
    EXPECT_EQ(got.left, scale(place.left)) << name;
    EXPECT_EQ(got.top, scale(place.top)) << name;
    EXPECT_EQ(got.bottom, scale(place.height)) << name;
  }
}

// The glyph of each character in the control's own font; 0xFFFF where the
// font has none, which would show as a box.
std::vector<WORD> Glyphs(HWND control, const std::wstring& text) {
  HDC dc = GetDC(control);
  const HGDIOBJ old =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  std::vector<WORD> glyphs(text.size());
  GetGlyphIndicesW(dc, text.c_str(), static_cast<int>(text.size()), glyphs.data(),
                   GGI_MARK_NONEXISTING_GLYPHS);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return glyphs;
}

void ExpectGlyphs(HWND control, const std::wstring& text, const std::string& where) {
  const std::vector<WORD> glyphs = Glyphs(control, text);
  for (std::size_t i = 0; i < text.size(); ++i) {
    EXPECT_NE(glyphs[i], 0xFFFF) << where << " character " << i;
  }
}

TEST_F(Win32WindowTest, EveryJapaneseTextHasItsGlyphs) {
  CopyExample("old-units", "data");
  Start();
  OpenFolder("data");
  for (const LayoutWindow* window : std::initializer_list<const LayoutWindow*>{
           form, &windows->FormBorSel, &windows->FormVersion}) {
    for (const LayoutControl& control : window->Controls().All()) {
      if (control.hwnd == nullptr || control.layout->caption.empty()) continue;
      ExpectGlyphs(control.hwnd, Wide(control.layout->caption), std::string(control.layout->name));
    }
  }
  for (const std::string& caption : Items("ListBox1"))
    ExpectGlyphs(Window("ListBox1"), Wide(caption), caption);
  ExpectGlyphs(Window("StatusBar"), Wide(CommandStatusText(true)), "StatusBar");
  // A character no font has is seen as missing.
  EXPECT_EQ(Glyphs(Window("StatusBar"), L"\U0010FFFD"), (std::vector<WORD>{0xFFFF, 0xFFFF}));
}

}  // namespace
}  // namespace siconv
