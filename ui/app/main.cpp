// siconv: the SI unit conversion window.
#include <QApplication>
#include <QIcon>
#include <clocale>
#include <filesystem>

#include "engine/error_report.h"
#include "state/mounted_volumes.h"
#include "ui/program_windows.h"
#include "ui/qt_error_ui.h"
#include "ui/regional_settings.h"

int main(int argc, char* argv[]) {
  Q_INIT_RESOURCE(siconv);
  QApplication app(argc, argv);
  // QApplication adopts the user's locale; printf and strtod must keep "C".
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/siconv/siconv.svg")));
  siconv::ApplyRegionalSettings();

  siconv::QtErrorUi errors(
      siconv::ApplicationTitle(QCoreApplication::applicationFilePath().toStdString()));
  siconv::ProgramWindows windows(errors, std::filesystem::current_path().string(),
                                 siconv::ReadMountedVolumes());
  windows.mainForm.show();
  return QApplication::exec();
}
