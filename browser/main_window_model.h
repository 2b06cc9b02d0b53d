#pragma once
// The main window's rules without a toolkit: the folder it stands on, the
// unit state, the two caption lists with their selections, which arrow is
// enabled and the last command's results. A window draws what it holds and
// hands it the user's acts.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "browser/folder_list_model.h"
#include "browser/volume_chooser.h"
#include "engine/file_conversion.h"
#include "engine/line_file.h"
#include "state/folder_scan.h"

namespace siconv {

inline constexpr int kOldList = 0;  // "旧単位", ListBox1
inline constexpr int kSiList = 1;   // "ＳＩ単位", ListBox2

struct QuantityList {
  std::vector<std::string> captions;
  std::vector<bool> selected;  // one per caption

  int SelCount() const;
  void Fill(std::vector<std::string> newCaptions);
};

struct ArrowState {
  bool toSi = false;   // BitBtn1
  bool toOld = false;  // BitBtn2

  bool operator==(const ArrowState&) const = default;
};

class MainWindowModel {
 public:
  // Stands on startFolder without a folder scan: both lists empty, UnitType
  // six zeros. Raises EInOutError when startFolder cannot be listed.
  MainWindowModel(const std::string& startFolder, const std::vector<VolumeRecord>& volumes);

  const FolderListModel& Folders() const { return folders_; }
  const VolumeChooser& Volumes() const { return volumes_; }
  // The folder a command converts in: the folder list's current folder.
  const std::string& DataFolder() const { return folders_.CurrentFolder(); }
  // The hidden file list: the data folder's plain files as its last folder
  // scan read them; none before the first scan.
  const std::vector<std::string>& FileNames() const { return fileNames_; }
  const UnitTypes& UnitType() const { return unitType_; }
  const QuantityList& List(int side) const { return lists_.at(side); }
  ArrowState Arrows() const { return arrows_; }
  const std::optional<std::vector<std::uint8_t>>& ConvertResults() const { return convertResults_; }

  // The folder scan of path (relative paths from the current folder): its
  // entries, plain files and SICONV.INI are all read before anything
  // switches, so a failure raises with every part still on the previous
  // folder. False when path is empty or the current folder.
  bool OpenFolder(const std::string& path);
  bool OpenFolderItem(int index) { return OpenFolder(folders_.ItemPath(index)); }
  // The drive chooser's pick; false when it names the current volume.
  bool ChooseVolume(int index);

  // origin -1 resets, kOldList or kSiList names the list acted on; that list
  // keeps its selection and the other one is cleared. The rule is the same
  // on every notebook page.
  ArrowState SetButtonState(int origin);
  // The user changed the selection of one list.
  ArrowState SelectRows(int side, std::vector<bool> selected);

  // Converts the selected items of the source list (direction 1: old units
  // to SI, 0: back) in the data folder, moves the converted ones to the end
  // of the other list and writes SICONV.INI. False when a quantity could not
  // be converted; an error raised on the way comes after the converted
  // items moved. The folder is held meanwhile; a folder that another program
  // converted since the scan is scanned again and nothing is converted.
  bool Convert(int direction, ConversionHost& host);
  void MoveConvertedItems(int sourceSide, int destinationSide);

  // The settings dialog's declaration; the lists follow with ListSeirifromBrDatSet.
  void DeclareUnits(const UnitTypes& units) { unitType_ = units; }
  // Both lists rebuilt with all six captions, split by UnitType.
  void ListSeirifromBrDatSet();

 private:
  FolderListModel folders_;
  VolumeChooser volumes_;
  // The units and lists of a folder scan of the data folder.
  void TakeScan(const std::vector<std::string>& fileNames, const UnitTypes& units);
  void FillLists(QuantityLists lists);
  // Raises when another program changed SICONV.INI since this window read
  // it, with the lists scanned again.
  void RequireUnitsAsRead();
  void NoteUnitsWritten() noexcept;

  std::vector<std::string> fileNames_;
  UnitTypes unitType_{};
  // SICONV.INI as this window last read it; unitType_ may differ by the
  // settings dialog's declaration.
  UnitTypes fileUnits_{};
  // UnitType as this window's last command left it, which that command wrote
  // unless it failed first.
  UnitTypes writtenUnits_{};
  std::array<QuantityList, 2> lists_;
  ArrowState arrows_;
  std::optional<std::vector<std::uint8_t>> convertResults_;
  LineFile inFile_;
  LineFile outFile_;
};

}  // namespace siconv
