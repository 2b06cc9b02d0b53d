#pragma once
// The program's windows on a temporary root folder, an ErrorUi that records
// instead of showing modal dialogs, and the user's gestures on the controls.
#include <gtest/gtest.h>

#include <QListWidget>
#include <memory>
#include <string>
#include <vector>

#include "state/command_status.h"
#include "tests/support/recording_host.h"
#include "tests/support/temp_dir.h"
#include "ui/program_windows.h"

namespace siconv {

inline const char* const kDone = CommandStatusText(true);
inline const char* const kFailed = CommandStatusText(false);
inline constexpr const char* kFeedPressure = "給圧";
inline constexpr const char* kWaterPressure = "送水圧";
inline constexpr const char* kCriticalPressure = "限界圧力(透水試験)";
inline constexpr const char* kPorePressure = "間隙圧(透水試験)";
inline constexpr const char* kLoad = "荷重(ｽｳｴｰﾃﾞﾝ式ｻｳﾝﾃﾞｨﾝｸﾞ)";
inline constexpr const char* kBearing = "地耐力(ｽｳｴｰﾃﾞﾝ式ｻｳﾝﾃﾞｨﾝｸﾞ)";
inline const std::vector<std::string> kAllSix = {kFeedPressure, kWaterPressure, kCriticalPressure,
                                                 kPorePressure, kLoad,          kBearing};

class WindowTest : public ::testing::Test {
 protected:
  // Creates the windows standing on the root folder, as at program start.
  void Start();
  // Copies examples/<example> to <root>/<folder> and returns its path.
  std::string CopyExample(const std::string& example, const std::string& folder);
  // Double-clicks the folder list's item with this text.
  void OpenFolder(const std::string& itemText);
  // A copy of the example in <root>/data, the windows started and moved there.
  std::string OpenExample(const std::string& example);

  void DoubleClick(QListWidget& list, int row);
  void ClickItem(QListWidget& list, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  // Plain click on the first, Ctrl+click on the others.
  void SelectItems(QListWidget& list, const std::vector<int>& rows);
  void PressToSi();
  void PressToOld();

  QString StatusText() const;
  static std::vector<std::string> Captions(const QListWidget& list);
  static std::vector<int> SelectedRows(const QListWidget& list);

  TempDir root;
  RecordingErrorUi errors;
  std::unique_ptr<ProgramWindows> windows;
  TmainForm* form = nullptr;
};

// The file's bytes after the engine alone converted a copy of it.
std::string EngineConversionOf(const std::string& folder, int direction, int quantity,
                               const std::string& file);

}  // namespace siconv
