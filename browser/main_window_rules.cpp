#include "browser/main_window_rules.h"

#include <utility>

#include "state/command_status.h"

namespace siconv {
namespace {

// Runs its action when the handler is left, also by an exception.
template <class Action>
class OnExit {
 public:
  explicit OnExit(Action action) : action_(std::move(action)) {}
  OnExit(const OnExit&) = delete;
  OnExit& operator=(const OnExit&) = delete;
  ~OnExit() { action_(); }

 private:
  Action action_;
};

// The folder list fires no change at start-up; after a move every control
// follows the new folder.
void FolderChanged(MainWindowView& view) {
  view.ShowLists();
  view.ShowStatus("");
}

}  // namespace

void StartMainWindow(MainWindowModel& model, MainWindowView& view) {
  model.SetButtonState(-1);
  view.ShowLists();
}

void ChooseVolume(MainWindowModel& model, MainWindowView& view, int index) {
  const OnExit showFolders([&] { view.ShowFolders(); });
  if (model.ChooseVolume(index)) FolderChanged(view);
}

void OpenFolderItem(MainWindowModel& model, MainWindowView& view, int index) {
  const OnExit showFolders([&] { view.ShowFolders(); });
  if (model.OpenFolderItem(index)) FolderChanged(view);
}

void SelectRows(MainWindowModel& model, MainWindowView& view, int side,
                std::vector<bool> selected) {
  model.SelectRows(side, std::move(selected));
  view.ShowLists();
}

void NotebookPageChanging(MainWindowModel& model, MainWindowView& view) {
  model.SetButtonState(0);
  view.ShowLists();
}

// A command that raises still ends with its outcome in the status bar, so
// no progress text of this or an earlier command stays behind.
void RunCommand(MainWindowModel& model, MainWindowView& view, ConversionHost& host, int direction,
                int page) {
  bool success = false;
  const OnExit report([&] {
    view.ShowLists();
    if (!view.TimerEnabled()) view.SetTimerEnabled(true);
    view.ShowStatus(CommandStatusText(success));
  });
  success = page != 0 || model.Convert(direction, host);
  model.SetButtonState(-1);
}

void StatusTimerTick(MainWindowView& view) {
  view.SetTimerEnabled(false);
  view.ShowStatus("");
}

}  // namespace siconv
