// The windows placed by a real window manager: each one, frame and all, in the
// middle of the screen. Run by run-under-window-manager on a virtual display.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include "tests/support/recording_host.h"
#include "tests/support/temp_dir.h"
#include "ui/message_dialog.h"
#include "ui/program_windows.h"

namespace siconv {
namespace {

bool FrameIsCentred(const QWidget& window) {
  const QPoint middle = QGuiApplication::primaryScreen()->availableGeometry().center();
  return (window.frameGeometry().center() - middle).manhattanLength() <= 2;
}

TEST(FramedWindow, EachWindowIsCentredFrameIncluded) {
  TempDir root;
  RecordingErrorUi errors;
  ProgramWindows windows(errors, root.Path(), {{"/", "ext4", "/dev/sda1", "", false}});
  MessageDialog message("ファイルがオープンできません", message_dialog::kKindError,
                        message_dialog::kAbort);
  for (QWidget* window : std::initializer_list<QWidget*>{&windows.mainForm, &windows.FormBorSel,
                                                         &windows.FormVersion, &message}) {
    SCOPED_TRACE(window->metaObject()->className());
    window->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->windowHandle()->frameMargins().isNull(); }))
        << "no window manager framed the window";
    // The window manager may place the frame a moment after framing it.
    const bool centred = QTest::qWaitFor([&] { return FrameIsCentred(*window); }, 2000);
    const QRect frame = window->frameGeometry();
    EXPECT_TRUE(centred) << "frame at " << frame.x() << "," << frame.y() << " " << frame.width()
                         << "x" << frame.height();
    window->hide();
  }
}

}  // namespace
}  // namespace siconv

int main(int argc, char* argv[]) {
  Q_INIT_RESOURCE(siconv);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
