// The status text of a command stays for one timer period; the timer runs
// from creation and a second command inside a period does not restart it.
#include <QSignalSpy>
#include <QTest>

#include "tests/ui/window_test_support.h"

namespace siconv {
namespace {

class StatusTimerTest : public WindowTest {
 protected:
  void SetUp() override {
    OpenExample("old-units");
    // Let the tick that follows creation pass first.
    if (form->Timer.isActive()) {
      QSignalSpy tick(&form->Timer, &QTimer::timeout);
      ASSERT_TRUE(tick.wait(5000));
    }
  }
  void ConvertFirst(bool toSi) {
    if (toSi) {
      ClickItem(*form->ListBox1, 0);
      PressToSi();
    } else {
      ClickItem(*form->ListBox2, form->ListBox2->count() - 1);
      PressToOld();
    }
  }
};

TEST_F(StatusTimerTest, TheFirstTickStopsTheTimerAndLeavesTheTextEmpty) {
  EXPECT_FALSE(form->Timer.isActive());
  EXPECT_EQ(StatusText(), QString());
}

TEST_F(StatusTimerTest, ACommandsTextIsClearedByTheNextTick) {
  ConvertFirst(true);
  EXPECT_EQ(StatusText().toStdString(), kDone);
  EXPECT_TRUE(form->Timer.isActive());
  QSignalSpy tick(&form->Timer, &QTimer::timeout);
  ASSERT_TRUE(tick.wait(5000));
  EXPECT_EQ(StatusText(), QString());
  EXPECT_FALSE(form->Timer.isActive());
}

// The second command ends about half a period after the first; its text goes
// when the first period ends, well before a full period of its own.
TEST_F(StatusTimerTest, ASecondCommandInsideThePeriodDoesNotRestartIt) {
  ConvertFirst(true);
  QTest::qWait(500);
  ConvertFirst(false);
  EXPECT_EQ(StatusText().toStdString(), kDone);
  QSignalSpy tick(&form->Timer, &QTimer::timeout);
  ASSERT_TRUE(tick.wait(850));
  EXPECT_EQ(StatusText(), QString());
}

}  // namespace
}  // namespace siconv
