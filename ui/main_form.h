#pragma once
// The main window: the folder chooser, the two lists of quantities (old and
// SI units), the conversion buttons, the status bar and its timer. It owns
// the per-folder state (UnitType, the two text files) and runs the
// conversion command.
#include <QMainWindow>
#include <QTimer>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "browser/file_list_model.h"
#include "browser/folder_list_model.h"
#include "browser/volume_chooser.h"
#include "engine/file_conversion.h"
#include "engine/line_file.h"
#include "ui_main_form.h"

class QLabel;

namespace siconv {

class TFormBorSel;
class TFormVersion;

class TmainForm : public QMainWindow, public Ui::MainFormLayout, public ConversionHost {
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

  // Origin -1 resets, 0: the old-units list was acted on, 1: the SI list.
  void SetButtonState(int origin, int page);
  // Direction 1 converts ListBox1's selection to SI units, 0 ListBox2's back.
  void Transdata(int direction, int page);
  void MoveConvertedItems(QuantityListBox& source, QuantityListBox& destination);
  // Both lists rebuilt from UnitType with all six captions.
  void ListSeirifromBrDatSet();

  // The data folder: the hidden file list's folder.
  const std::string& DataFolder() const { return fileList_.Folder(); }
  const FolderListModel& Folders() const { return folderList_; }

  UnitTypes UnitType{};
  LineFile InFile;
  LineFile OutFile;
  // One entry per source item of the last command: 1 when it was converted.
  std::optional<std::vector<std::uint8_t>> ConvertResults;
  QTimer Timer;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void FormCreate();
  void DriveComboBoxChange(int index);
  void DirectoryListBoxChange();
  void ListBoxOld1Click() { SetButtonState(0, Page()); }
  void ListBox4Click() { SetButtonState(1, Page()); }
  void TabbedNotebook1Change(int pageStillShown) { SetButtonState(0, pageStillShown); }
  void BitBtn2SI1Click() { Transdata(1, Page()); }
  void BitBtn2OldClick() { Transdata(0, Page()); }
  void BitBtnBorSetClick();
  void SpeedButton1Click() { close(); }
  void SpeedButton2Click();
  void TimerTimer();

  int Page() const { return TabbedNotebook1->currentIndex(); }
  void SetUpControls();
  void ConnectHandlers();
  void ConnectNotebook();
  void FolderChanged();
  bool ConvertSelected(int direction);

  ErrorUi& errors_;
  FolderListModel folderList_;
  FileListModel fileList_;
  VolumeChooser volumes_;
  QLabel* statusPanel_ = nullptr;
  TFormBorSel* formBorSel_ = nullptr;
  TFormVersion* formVersion_ = nullptr;
};

}  // namespace siconv
