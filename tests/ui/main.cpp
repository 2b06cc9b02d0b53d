// The GUI tests run on Qt's offscreen platform with one QApplication.
#include <gtest/gtest.h>

#include <QApplication>
#include <clocale>

namespace {

QtMessageHandler defaultHandler = nullptr;

// The offscreen platform warns about every fixed-size window; nothing else
// is held back.
void DropSizeHintWarnings(QtMsgType type, const QMessageLogContext& context,
                          const QString& message) {
  if (message.contains(QLatin1String("propagateSizeHints"))) return;
  defaultHandler(type, context, message);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  defaultHandler = qInstallMessageHandler(DropSizeHintWarnings);
  Q_INIT_RESOURCE(siconv);
  QApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
