#pragma once
// The main window: the folder chooser, the two lists of quantities (old and
// SI units), the conversion buttons, the status bar and its timer. The
// per-folder state and its rules are the MainWindowModel's; the handlers hand
// it the user's acts and draw what it then holds.
#include <QMainWindow>
#include <QTimer>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "browser/main_window_model.h"
#include "browser/main_window_rules.h"
#include "engine/file_conversion.h"
#include "ui_main_form.h"

namespace siconv {

class StatusPanel;
class TFormBorSel;
class TFormVersion;

class TmainForm : public QMainWindow,
                  public Ui::MainFormLayout,
                  public ConversionHost,
                  public MainWindowView {
  Q_OBJECT
 public:
  // The folder chooser and the hidden file list stand on startFolder; no
  // folder scan runs until the user moves. volumes: the drive chooser's.
  TmainForm(ErrorUi& errors, const std::string& startFolder,
            const std::vector<VolumeRecord>& volumes, QWidget* parent = nullptr);

  // The dialogs are created after the window; it only shows them.
  void SetDialogs(TFormBorSel& formBorSel, TFormVersion& formVersion);

  void ShowStatus(const std::string& text) override;
  ErrorUi& Errors() override { return errors_; }
  void ShowLists() override;
  void ShowFolders() override;
  bool TimerEnabled() const override { return Timer.isActive(); }
  void SetTimerEnabled(bool enabled) override;

  // Origin -1 resets, 0: the old-units list was acted on, 1: the SI list.
  // Direction 1 converts ListBox1's selection to SI units, 0 ListBox2's back.
  // The status bar shows the outcome also when the command raises.
  void Transdata(int direction, int page);
  // Both lists rebuilt from UnitType with all six captions.

  MainWindowModel& Model() { return model_; }
  const MainWindowModel& Model() const { return model_; }
  const std::string& DataFolder() const { return model_.DataFolder(); }
  const FolderListModel& Folders() const { return model_.Folders(); }

 private:
  MainWindowModel model_;

 public:
  // The model's, read-only here: the settings dialog declares units through
  // the model.
  const UnitTypes& UnitType = model_.UnitType();
  // One entry per source item of the last command: 1 when it was converted.
  const std::optional<std::vector<std::uint8_t>>& ConvertResults = model_.ConvertResults();
  QTimer Timer;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void FormCreate();
  void DriveComboBoxChange(int index) { ChooseVolume(model_, *this, index); }
  void ListBoxOld1Click();
  void ListBox4Click();
  void TabbedNotebook1Change() { NotebookPageChanging(model_, *this); }
  void BitBtn2SI1Click() { Transdata(1, Page()); }
  void BitBtn2OldClick() { Transdata(0, Page()); }
  void BitBtnBorSetClick();
  void SpeedButton1Click() { close(); }
  void SpeedButton2Click();
  void TimerTimer() { StatusTimerTick(*this); }

  int Page() const { return TabbedNotebook1->currentIndex(); }
  void SetUpControls();
  void ConnectHandlers();
  void ConnectNotebook();
  void OpenFolderItem(int index) { siconv::OpenFolderItem(model_, *this, index); }

  ErrorUi& errors_;
  StatusPanel* statusPanel_ = nullptr;
  TFormBorSel* formBorSel_ = nullptr;
  TFormVersion* formVersion_ = nullptr;
};

}  // namespace siconv
