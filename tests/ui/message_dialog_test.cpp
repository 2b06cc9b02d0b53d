// The message dialog's button set and results, and the exception report.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QTest>

#include "ui/message_dialog.h"
#include "ui/qt_error_ui.h"

namespace siconv {
namespace {

using B = DialogButton;

TEST(MessageDialog, OpenErrorFormHasOneAbortButtonAndLineBreaks) {
  MessageDialog dialog("ファイルがオープンできません\r\n[/data/G73.TXT]",
                       message_dialog::kKindError, message_dialog::kAbort);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("エラー"));
  const auto buttons = dialog.findChildren<QPushButton*>();
  ASSERT_EQ(buttons.size(), 1);
  EXPECT_EQ(buttons.front()->text(), QStringLiteral("中止(&A)"));
  EXPECT_FALSE(buttons.front()->isDefault());
  QStringList texts;
  for (const QLabel* label : dialog.findChildren<QLabel*>()) texts << label->text();
  EXPECT_TRUE(texts.contains(QStringLiteral("ファイルがオープンできません\n[/data/G73.TXT]")))
      << texts.join(QLatin1Char('|')).toStdString();
}

TEST(MessageDialog, OnlyALongTextIsWrappedWithinHalfTheScreen) {
  const int half = QGuiApplication::primaryScreen()->availableGeometry().width() / 2;
  const std::string path = "[/" + std::string(300, 'x') + "/G73.TXT]";
  MessageDialog longText("ファイルがオープンできません\r\n" + path, message_dialog::kKindError,
                         message_dialog::kAbort);
  MessageDialog shortText("ファイルがオープンできません\r\n[/data/G73.TXT]",
                          message_dialog::kKindError, message_dialog::kAbort);
  const auto textLabel = [](const MessageDialog& d) { return d.findChildren<QLabel*>().back(); };
  EXPECT_TRUE(textLabel(longText)->wordWrap());
  EXPECT_LE(textLabel(longText)->width(), half);
  EXPECT_FALSE(textLabel(shortText)->wordWrap());
}

TEST(MessageDialog, AbortReturnsThreeAndTheCloseBoxTwo) {
  MessageDialog pressed("x", message_dialog::kKindError, message_dialog::kAbort);
  pressed.show();
  QTest::mouseClick(pressed.Button(B::Abort), Qt::LeftButton);
  EXPECT_FALSE(pressed.isVisible());
  EXPECT_EQ(pressed.result(), message_dialog::kResultAbort);

  MessageDialog closed("x", message_dialog::kKindError, message_dialog::kAbort);
  closed.show();
  closed.close();
  EXPECT_FALSE(closed.isVisible());
  EXPECT_EQ(closed.result(), message_dialog::kResultClosed);
}

// The "エラー" dialog of an open error: Escape does nothing without a cancel
// button; Return presses the focused button, which shows its focus mark.
TEST(MessageDialog, ReturnPressesTheFocusedButtonShowingItsFocusMark) {
  MessageDialog dialog("x", message_dialog::kKindError, message_dialog::kAbort);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  QPushButton& abort = *dialog.Button(B::Abort);
  ASSERT_TRUE(abort.hasFocus());
  // What the style is told when it draws the button: focus, and focus to be
  // shown.
  QStyleOptionButton option;
  option.initFrom(&abort);
  EXPECT_TRUE(option.state & QStyle::State_HasFocus);
  EXPECT_TRUE(option.state & QStyle::State_KeyboardFocusChange);
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_TRUE(dialog.isVisible());
  QTest::keyClick(&abort, Qt::Key_Return);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), message_dialog::kResultAbort);
}

TEST(MessageDialog, EscapePressesTheCancelButtonAndEnterTheDefault) {
  struct Case {
    std::uint16_t set;
    Qt::Key key;
    int result;
  };
  const std::vector<Case> cases = {
      {0x000C, Qt::Key_Escape, 2},  // Cancel
      {0x0003, Qt::Key_Escape, 7},  // No
      {0x0004, Qt::Key_Escape, 1},  // OK is also the cancel button
      {0x000C, Qt::Key_Return, 1},  // OK
      {0x0003, Qt::Key_Return, 6},  // Yes
      {0x0070, Qt::Key_Return, 4},  // Retry
  };
  for (const Case& c : cases) {
    MessageDialog dialog("x", message_dialog::kKindError, c.set);
    dialog.show();
    QTest::keyClick(&dialog, c.key);
    EXPECT_FALSE(dialog.isVisible()) << std::hex << c.set;
    EXPECT_EQ(dialog.result(), c.result) << std::hex << c.set;
  }
}

TEST(MessageDialog, HelpDoesNotCloseTheDialog) {
  MessageDialog dialog("x", message_dialog::kKindError, 0x0404);
  dialog.show();
  QTest::mouseClick(dialog.Button(B::Help), Qt::LeftButton);
  EXPECT_TRUE(dialog.isVisible());
  QTest::mouseClick(dialog.Button(B::Ok), Qt::LeftButton);
  EXPECT_EQ(dialog.result(), 1);
}

TEST(ExceptionReport, AppliesThePeriodRuleUnderTheApplicationTitle) {
  struct Case {
    const char* message;
    const char* shown;
  };
  const std::vector<Case> cases = {
      {"ファイルが見つかりません", "ファイルが見つかりません."},
      {"I/O エラー (32)", "I/O エラー (32)"},
      {"変換しました。", "変換しました。."},
      {"", ""},
  };
  for (const Case& c : cases) {
    const auto box = MakeExceptionReport(Exception(c.message), "Siconv", nullptr);
    EXPECT_EQ(box->text(), QString::fromUtf8(c.shown));
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Siconv"));
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
  }
}

}  // namespace
}  // namespace siconv
