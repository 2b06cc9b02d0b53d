#include "browser/main_window_model.h"

#include <algorithm>
#include <utility>

#include "browser/file_list_model.h"
#include "engine/format_text.h"
#include "engine/quantity_catalogue.h"
#include "state/conversion_command.h"
#include "state/folder_hold.h"
#include "state/folder_path.h"
#include "state/unit_type_file.h"

namespace siconv {

int QuantityList::SelCount() const {
  return static_cast<int>(std::count(selected.begin(), selected.end(), true));
}

void QuantityList::Fill(std::vector<std::string> newCaptions) {
  captions = std::move(newCaptions);
  selected.assign(captions.size(), false);
}

MainWindowModel::MainWindowModel(const std::string& startFolder,
                                 const std::vector<VolumeRecord>& volumes)
    : folders_(startFolder), volumes_(volumes, folders_.CurrentFolder()) {}

bool MainWindowModel::OpenFolder(const std::string& path) {
  if (path.empty()) return false;
  const std::string target = ResolveFolder(folders_.CurrentFolder(), path);
  if (target == folders_.CurrentFolder()) return false;
  const FolderHold hold(target);
  FolderListModel folders(target);
  const std::vector<std::string> fileNames = FileListModel(target).Names();
  const UnitTypes units = ReadUnitTypeFile(target);
  // Nothing below raises: the folder list, the chooser, the data folder and
  // the lists switch together.
  folders_ = std::move(folders);
  volumes_.FolderChanged(target);
  TakeScan(fileNames, units);
  return true;
}

void MainWindowModel::TakeScan(const std::vector<std::string>& fileNames, const UnitTypes& units) {
  fileNames_ = fileNames;
  unitType_ = units;
  fileUnits_ = units;
  writtenUnits_ = units;
  FillLists(ScanQuantities(fileNames, units));
  SetButtonState(-1);
}

void MainWindowModel::FillLists(QuantityLists lists) {
  lists_[kOldList].Fill(std::move(lists.oldUnits));
  lists_[kSiList].Fill(std::move(lists.siUnits));
}

bool MainWindowModel::ChooseVolume(int index) {
  bool moved = false;
  volumes_.Choose(index, [&](const std::string& target) { moved = OpenFolder(target); });
  return moved;
}

// The list acted on wins; at most one arrow is ever enabled.
ArrowState MainWindowModel::SetButtonState(int origin) {
  const bool oldSelected = lists_[kOldList].SelCount() > 0;
  const bool siSelected = lists_[kSiList].SelCount() > 0;
  ArrowState arrows;
  if (origin == kOldList) {
    arrows = {oldSelected, !oldSelected && siSelected};
  } else if (origin == kSiList) {
    arrows = {!siSelected && oldSelected, siSelected};
  }
  arrows_ = arrows;
  if (!arrows.toSi) lists_[kOldList].selected.assign(lists_[kOldList].captions.size(), false);
  if (!arrows.toOld) lists_[kSiList].selected.assign(lists_[kSiList].captions.size(), false);
  return arrows;
}

ArrowState MainWindowModel::SelectRows(int side, std::vector<bool> selected) {
  QuantityList& list = lists_.at(side);
  selected.resize(list.captions.size(), false);
  list.selected = std::move(selected);
  return SetButtonState(side);
}

bool MainWindowModel::Convert(int direction, ConversionHost& host) {
  const int source = direction == 1 ? kOldList : kSiList;
  const QuantityList& list = lists_[source];
  convertResults_.emplace(list.captions.size(), 0);
  std::vector<std::size_t> rows;
  std::vector<int> quantities;
  for (std::size_t i = 0; i < list.captions.size(); ++i) {
    if (!list.selected[i]) continue;
    rows.push_back(i);
    quantities.push_back(LookupQuantity(list.captions[i]).index);
  }
  const FolderHold hold(DataFolder());
  RequireUnitsAsRead();
  ConversionContext ctx{DataFolder(), unitType_, inFile_, outFile_, host};
  try {
    const CommandOutcome outcome =
        RunConversionCommand(ctx, direction, quantities, [&](const CommandOutcome& done) {
          for (std::size_t k = 0; k < rows.size(); ++k) {
            (*convertResults_)[rows[k]] = done.converted[k] ? 1 : 0;
          }
          MoveConvertedItems(source, 1 - source);
        });
    writtenUnits_ = unitType_;  // a command that returns has written SICONV.INI
    return outcome.success;
  } catch (const Exception&) {
    NoteUnitsWritten();
    throw;
  }
}

// Appends forward to keep the source order, deletes backward so the indices
// still to be tested do not shift.
void MainWindowModel::MoveConvertedItems(int sourceSide, int destinationSide) {
  QuantityList& source = lists_.at(sourceSide);
  QuantityList& destination = lists_.at(destinationSide);
  const std::vector<std::uint8_t>& results = convertResults_.value();
  const std::size_t n = source.captions.size();
  auto moves = [&](std::size_t i) { return results.at(i) == 1 && source.selected[i]; };
  for (std::size_t i = 0; i < n; ++i) {
    if (!moves(i)) continue;
    destination.captions.push_back(source.captions[i]);
    destination.selected.push_back(false);
  }
  for (std::size_t i = n; i-- > 0;) {
    if (!moves(i)) continue;
    source.captions.erase(source.captions.begin() + static_cast<std::ptrdiff_t>(i));
    source.selected.erase(source.selected.begin() + static_cast<std::ptrdiff_t>(i));
  }
}

void MainWindowModel::RequireUnitsAsRead() {
  const UnitTypes units = ReadUnitTypeFile(DataFolder());
  // Units the lists already show cannot lead to a second conversion, whoever
  // wrote them; what this window's last command wrote is its own, also when a
  // declaration has changed unitType_ since.
  if (units == fileUnits_ || units == writtenUnits_ || units == unitType_) {
    fileUnits_ = units;
    return;
  }
  TakeScan(FileListModel(DataFolder()).Names(), units);
  throw Exception(FormatText("%s の単位は他のプログラムが変更しました", {DataFolder()}));
}

// A command that raised may have stopped before writing SICONV.INI: only
// units found there are the window's own.
void MainWindowModel::NoteUnitsWritten() noexcept {
  try {
    if (ReadUnitTypeFile(DataFolder()) == unitType_) writtenUnits_ = unitType_;
  } catch (const Exception&) {
    // Unreadable now: the next command reads it again and rescans if need be.
  }
}

void MainWindowModel::ListSeirifromBrDatSet() {
  FillLists(siconv::ListAllQuantities(unitType_));
}

}  // namespace siconv
