#include "ui/program_windows.h"

#include <utility>

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
  bool reported = false;
  for (const std::string& folder : startFolders) {
    try {
      return std::make_unique<ProgramWindows>(errors, folder, volumes);
    } catch (const Exception& e) {
      if (!std::exchange(reported, true)) errors.ReportException(e);
    }
  }
  return nullptr;
}

}  // namespace siconv
