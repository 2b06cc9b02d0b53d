// siconv: the SI unit conversion window.
#include <QApplication>
#include <QIcon>
#include <clocale>

#include "browser/mounted_volumes.h"
#include "browser/start_folders.h"
#include "engine/error_report.h"
#include "ui/program_windows.h"
#include "ui/qt_error_ui.h"
#include "ui/qt_regional_settings.h"

int main(int argc, char* argv[]) {
  Q_INIT_RESOURCE(siconv);
  QApplication app(argc, argv);
  // QApplication adopts the user's locale; printf and strtod must keep "C".
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/siconv/siconv.svg")));
  siconv::ApplyQtRegionalSettings();

  siconv::QtErrorUi errors(
      siconv::ApplicationTitle(QCoreApplication::applicationFilePath().toStdString()));
  const auto windows =
      siconv::CreateProgramWindows(errors, siconv::StartFolders(), siconv::ReadMountedVolumes());
  if (!windows) return 1;
  windows->mainForm.show();
  return QApplication::exec();
}
