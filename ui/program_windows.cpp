#include "ui/program_windows.h"

namespace siconv {

ProgramWindows::ProgramWindows(ErrorUi& errors, const std::string& startFolder,
                               const std::vector<VolumeRecord>& volumes)
    : mainForm(errors, startFolder, volumes),
      FormBorSel(*new TFormBorSel(mainForm)),
      FormVersion(*new TFormVersion(errors, &mainForm)) {
  mainForm.SetDialogs(FormBorSel, FormVersion);
}

}  // namespace siconv
