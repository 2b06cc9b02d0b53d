// No exception leaves a handler into Qt's event loop: the program's errors
// and any other std::exception are reported, and the next event is handled.
#include "ui/guarded_handler.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include "engine/io_code.h"
#include "tests/support/recording_host.h"

namespace siconv {
namespace {

TEST(ConnectGuarded, ReportsErrorsAndTheProgramCarriesOn) {
  RecordingErrorUi errors;
  QPushButton button;
  int runs = 0;
  ConnectGuarded(&button, &QPushButton::clicked, &button, errors, [&runs] {
    ++runs;
    if (runs == 1) throw EInOutError("ファイルが見つかりません", io_code::kFileNotFound);
    if (runs == 2) throw std::length_error("too long");
  });
  button.click();
  button.click();
  button.click();
  EXPECT_EQ(runs, 3);
  EXPECT_EQ(errors.reports, (std::vector<std::string>{"ファイルが見つかりません", "too long"}));
}

TEST(ConnectGuarded, HandsTheSignalsArgumentsOn) {
  RecordingErrorUi errors;
  QComboBox combo;
  combo.addItems({"a", "b", "c"});
  std::vector<int> chosen;
  ConnectGuarded(&combo, &QComboBox::activated, &combo, errors,
                 [&chosen](int index) { chosen.push_back(index); });
  QTest::keyClick(&combo, Qt::Key_Down);
  QTest::keyClick(&combo, Qt::Key_Down);
  EXPECT_EQ(chosen, (std::vector<int>{1, 2}));
  EXPECT_TRUE(errors.reports.empty());
}

}  // namespace
}  // namespace siconv
