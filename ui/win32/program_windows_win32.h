#pragma once
// The program's three Win32 windows in their start-up order: the main window,
// then the settings dialog and the version dialog, both hidden and owned by
// the main window until the end.
#include <string>
#include <vector>

#include "ui/win32/dialogs_win32.h"
#include "ui/win32/main_form_win32.h"

namespace siconv {

class ProgramWindows {
 public:
  ProgramWindows(ErrorUi& errors, const std::string& startFolder,
                 const std::vector<VolumeRecord>& volumes);

  TmainForm mainForm;
  TFormBorSel FormBorSel;
  TFormVersion FormVersion;
};

}  // namespace siconv
