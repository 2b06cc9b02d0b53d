// The main window's selection rule and conversion command.
#include "engine/quantity_catalogue.h"
#include "state/conversion_command.h"
#include "state/folder_hold.h"
#include "state/folder_scan.h"
#include "ui/main_form.h"

namespace siconv {
namespace {

constexpr const char* kCommandDone = "変換を終了しました。";
constexpr const char* kCommandFailed = "変換に失敗しました。";

int QuantityOfItem(const QuantityListBox& list, int listIndex) {
  return LookupQuantity(list.Text(listIndex).toStdString()).index;
}

}  // namespace

// The window has one page: every page index means its two lists and buttons.
// The list the user acted on wins; at most one button is ever enabled.
void TmainForm::SetButtonState(int origin, int /*page*/) {
  const bool oldSelected = ListBox1->SelCount() > 0;
  const bool siSelected = ListBox2->SelCount() > 0;
  bool toSi = false;
  bool toOld = false;
  if (origin == 0) {
    toSi = oldSelected;
    toOld = !oldSelected && siSelected;
  } else if (origin == 1) {
    toOld = siSelected;
    toSi = !siSelected && oldSelected;
  }
  BitBtn1->setEnabled(toSi);
  BitBtn2->setEnabled(toOld);
  if (!toSi) ListBox1->DeselectAll();
  if (!toOld) ListBox2->DeselectAll();
}

void TmainForm::Transdata(int direction, int page) {
  bool success = true;
  if (page == 0) success = ConvertSelected(direction);
  // Enabling a running timer must not restart its period.
  if (!Timer.isActive()) Timer.start();
  ShowStatus(success ? kCommandDone : kCommandFailed);
  SetButtonState(-1, page);
}

// SICONV.INI is checked before anything converts, and written after the
// converted items moved, also when a conversion raised: files, lists and
// SICONV.INI then agree before the error is shown.
bool TmainForm::ConvertSelected(int direction) {
  QuantityListBox& source = direction == 1 ? *ListBox1 : *ListBox2;
  QuantityListBox& destination = direction == 1 ? *ListBox2 : *ListBox1;
  ConvertResults.emplace(source.count(), 0);
  std::vector<int> rows;
  std::vector<int> quantities;
  for (int i = 0; i < source.count(); ++i) {
    if (!source.Selected(i)) continue;
    rows.push_back(i);
    quantities.push_back(QuantityOfItem(source, i));
  }
  const FolderHold hold(DataFolder());
  ConversionContext ctx{DataFolder(), UnitType, InFile, OutFile, *this};
  const CommandOutcome outcome =
      RunConversionCommand(ctx, direction, quantities, [&](const CommandOutcome& done) {
        for (size_t k = 0; k < rows.size(); ++k) (*ConvertResults)[rows[k]] = done.converted[k];
        MoveConvertedItems(source, destination);
      });
  return outcome.success;
}

// Appends forward to keep the source order, deletes backward so the indices
// still to be tested do not shift.
void TmainForm::MoveConvertedItems(QuantityListBox& source, QuantityListBox& destination) {
  const std::vector<std::uint8_t>& results = ConvertResults.value();
  const int n = source.count();
  auto moves = [&](int i) { return results.at(i) == 1 && source.Selected(i); };
  for (int i = 0; i < n; ++i) {
    if (moves(i)) destination.Append(source.Text(i));
  }
  for (int i = n - 1; i >= 0; --i) {
    if (moves(i)) source.Delete(i);
  }
}

void TmainForm::TimerTimer() {
  Timer.stop();
  ShowStatus("");
}

void TmainForm::ListSeirifromBrDatSet() {
  const QuantityLists lists = ListAllQuantities(UnitType);
  ListBox1->Fill(lists.oldUnits);
  ListBox2->Fill(lists.siUnits);
}

}  // namespace siconv
