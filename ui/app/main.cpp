// siconv: the SI unit conversion window.
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <clocale>
#include <filesystem>
#include <memory>

#include "browser/mounted_volumes.h"
#include "engine/error_report.h"
#include "ui/program_windows.h"
#include "ui/qt_error_ui.h"
#include "ui/qt_regional_settings.h"

namespace {

std::string CurrentFolder() {
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::current_path(error);
  return error ? QDir::homePath().toStdString() : folder.string();
}

// The windows stand on the current folder; one that cannot be listed is
// reported and the home folder, else the root, taken instead.
std::unique_ptr<siconv::ProgramWindows> CreateWindows(siconv::ErrorUi& errors) {
  return siconv::CreateProgramWindows(
      errors, {CurrentFolder(), QDir::homePath().toStdString(), QDir::rootPath().toStdString()},
      siconv::ReadMountedVolumes());
}

}  // namespace

int main(int argc, char* argv[]) {
  Q_INIT_RESOURCE(siconv);
  QApplication app(argc, argv);
  // QApplication adopts the user's locale; printf and strtod must keep "C".
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/siconv/siconv.svg")));
  siconv::ApplyQtRegionalSettings();

  siconv::QtErrorUi errors(
      siconv::ApplicationTitle(QCoreApplication::applicationFilePath().toStdString()));
  const auto windows = CreateWindows(errors);
  if (!windows) return 1;
  windows->mainForm.show();
  return QApplication::exec();
}
