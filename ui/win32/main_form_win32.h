#pragma once
// The main window in Win32 controls: the folder chooser, the two lists of
// quantities, the arrow buttons, the toolbar, the notebook and the status bar
// with its timer. The MainWindowModel holds the folder's state; the shared
// handlers of main_window_rules decide, this skin draws.
#include <windows.h>

#include <string>
#include <vector>

#include "browser/main_window_model.h"
#include "browser/main_window_rules.h"
#include "ui/win32/folder_list_tip.h"
#include "ui/win32/layout_window.h"

namespace siconv {

class TFormBorSel;
class TFormVersion;

class TmainForm : public LayoutWindow, public ConversionHost, public MainWindowView {
 public:
  // The folder chooser stands on startFolder; no folder scan runs until the
  // user moves. Raises when startFolder cannot be listed.
  TmainForm(ErrorUi& errors, const std::string& startFolder,
            const std::vector<VolumeRecord>& volumes);

  void SetDialogs(TFormBorSel& formBorSel, TFormVersion& formVersion);
  MainWindowModel& Model() { return model_; }
  const MainWindowModel& Model() const { return model_; }

  void ShowStatus(const std::string& text) override;
  ErrorUi& Errors() override { return LayoutWindow::Errors(); }
  void ShowLists() override;
  void ShowFolders() override;
  bool TimerEnabled() const override { return timerEnabled_; }
  void SetTimerEnabled(bool enabled) override;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnControl(const LayoutControl& control, int code) override;
  void OnReturn(const LayoutControl& focused) override;

 private:
  void SetUpToolBar();
  void SetUpNotebook();
  void SetUpStatusBar();
  void SetUpLists();
  void ShowVolumes();
  void ShowList(int side, const char* listName);
  void ShowFiles();
  std::vector<bool> Selection(const char* listName) const;
  void FollowWidth();
  void DrawItem(const DRAWITEMSTRUCT& item);
  LRESULT OnNotify(const NMHDR& header);

  MainWindowModel model_;
  FolderListTip folderTip_;
  TFormBorSel* formBorSel_ = nullptr;
  TFormVersion* formVersion_ = nullptr;
  bool timerEnabled_ = false;
  std::vector<std::string> shownCaptions_[2];
  std::vector<std::string> shownFiles_;
  std::vector<std::wstring> hints_;
};

}  // namespace siconv
