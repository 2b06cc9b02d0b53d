#pragma once
// The main window's handlers without a toolkit: each hands the user's act to
// the MainWindowModel and has the skin draw what follows. Both skins call
// these, so the order of drawing, the status text after a command (also one
// that raises) and the status timer are decided once.
#include <string>
#include <vector>

#include "browser/main_window_model.h"
#include "engine/conversion_host.h"

namespace siconv {

// The status text of a command stays this long (milliseconds).
inline constexpr int kStatusTimerInterval = 1000;

// What a skin draws when the handlers ask.
class MainWindowView {
 public:
  virtual ~MainWindowView() = default;
  // Both lists with their selections, and the two arrows.
  virtual void ShowLists() = 0;
  // The folder list's items and highlight, and the drive chooser's volume.
  virtual void ShowFolders() = 0;
  virtual void ShowStatus(const std::string& text) = 0;
  virtual bool TimerEnabled() const = 0;
  // Enabling starts a period of kStatusTimerInterval.
  virtual void SetTimerEnabled(bool enabled) = 0;
};

// FormCreate: no item selected and both arrows disabled, for every page index.
void StartMainWindow(MainWindowModel& model, MainWindowView& view);

// The drive chooser's and the folder list's moves. Whether the move succeeds
// or raises, the folder controls end up on the folder the model stands on;
// after a move the lists follow and an earlier status text is gone.
void ChooseVolume(MainWindowModel& model, MainWindowView& view, int index);
void OpenFolderItem(MainWindowModel& model, MainWindowView& view, int index);

// The user changed the selection of one list (kOldList or kSiList).
void SelectRows(MainWindowModel& model, MainWindowView& view, int side, std::vector<bool> selected);
// The notebook is about to leave the page it shows.
void NotebookPageChanging(MainWindowModel& model, MainWindowView& view);

// Transdata: converts the selection of one list (direction 1: old units to
// SI, 0: back). The outcome reaches the status bar and the timer runs also
// when the command raises; a running timer keeps its period.
void RunCommand(MainWindowModel& model, MainWindowView& view, ConversionHost& host, int direction,
                int page);
// TimerTimer: the timer stops and the status text is emptied.
void StatusTimerTick(MainWindowView& view);

}  // namespace siconv
