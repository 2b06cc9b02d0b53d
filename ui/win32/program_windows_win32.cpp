#include "ui/win32/program_windows_win32.h"

#include "browser/start_folders.h"

namespace siconv {

ProgramWindows::ProgramWindows(ErrorUi& errors, const std::string& startFolder,
                               const std::vector<VolumeRecord>& volumes)
    : mainForm(errors, startFolder, volumes), FormBorSel(mainForm), FormVersion(mainForm) {
  mainForm.SetDialogs(FormBorSel, FormVersion);
}

std::unique_ptr<ProgramWindows> CreateProgramWindows(ErrorUi& errors,
                                                     const std::vector<std::string>& startFolders,
                                                     const std::vector<VolumeRecord>& volumes) {
  return MakeOnFirstFolder<ProgramWindows>(errors, startFolders, [&](const std::string& folder) {
    return std::make_unique<ProgramWindows>(errors, folder, volumes);
  });
}

}  // namespace siconv
