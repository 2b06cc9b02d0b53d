#include "ui/win32/program_windows_win32.h"

namespace siconv {

ProgramWindows::ProgramWindows(ErrorUi& errors, const std::string& startFolder,
                               const std::vector<VolumeRecord>& volumes)
    : mainForm(errors, startFolder, volumes), FormBorSel(mainForm), FormVersion(mainForm) {
  mainForm.SetDialogs(FormBorSel, FormVersion);
}

}  // namespace siconv
