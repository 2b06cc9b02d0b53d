#include "ui/program_windows.h"

#include "browser/start_folders.h"

namespace siconv {

ProgramWindows::ProgramWindows(ErrorUi& errors, const std::string& startFolder,
                               const std::vector<VolumeRecord>& volumes)
    : mainForm(errors, startFolder, volumes),
      FormBorSel(*new TFormBorSel(mainForm)),
      FormVersion(*new TFormVersion(errors, &mainForm)) {
  mainForm.SetDialogs(FormBorSel, FormVersion);
}

std::unique_ptr<ProgramWindows> CreateProgramWindows(ErrorUi& errors,
                                                     const std::vector<std::string>& startFolders,
                                                     const std::vector<VolumeRecord>& volumes) {
  return CreateOnFirstFolder<ProgramWindows>(errors, startFolders, volumes);
}

}  // namespace siconv
