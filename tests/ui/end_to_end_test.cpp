// A whole conversion as a user makes it: a folder chosen in the folder list,
// two quantities picked with Ctrl, the arrow pressed, the status bar watched.
#include <QEvent>
#include <QLabel>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <cstdlib>
#include <filesystem>

#include "engine/text_fields.h"
#include "tests/ui/window_test_support.h"

namespace siconv {
namespace {

// Records the status text each time the panel is painted.
class PaintedTexts : public QObject {
 public:
  explicit PaintedTexts(QLabel& panel) : panel_(panel) { panel.installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) texts.push_back(panel_.text().toStdString());
    return false;
  }
  std::vector<std::string> texts;

 private:
  QLabel& panel_;
};

double FirstLineField(const std::string& bytes, int n) {
  const std::string line = bytes.substr(0, bytes.find('\r'));
  return std::strtod(std::string(GetCommaField(n, line).value()).c_str(), nullptr);
}

TEST_F(WindowTest, ConvertsAnExamplesFolderThroughTheWindow) {
  const std::string data = CopyExample("old-units", "data");
  const std::string oldG73 = ReadFile(data + "/G73.TXT");
  const std::string g73 = EngineConversionOf(data, 1, 0, "G73.TXT");
  const std::string g73Header = EngineConversionOf(data, 1, 0, "G73.HED");
  const std::string l205 = EngineConversionOf(data, 1, 5, "L205.TXT");
  const std::string l205Header = EngineConversionOf(data, 1, 5, "L205.HED");
  Start();
  OpenFolder("data");
  PaintedTexts painted(*form->StatusBar->findChild<QLabel*>());

  ClickItem(*form->ListBox1, 0);
  ClickItem(*form->ListBox1, 5, Qt::ControlModifier);
  ASSERT_TRUE(form->BitBtn1->isEnabled());
  PressToSi();

  const std::string newG73 = ReadFile(data + "/G73.TXT");
  EXPECT_EQ(newG73, g73);
  EXPECT_EQ(ReadFile(data + "/G73.HED"), g73Header);
  EXPECT_EQ(ReadFile(data + "/L205.TXT"), l205);
  EXPECT_EQ(ReadFile(data + "/L205.HED"), l205Header);
  EXPECT_NEAR(FirstLineField(newG73, 3), FirstLineField(oldG73, 3) * 98.0665, 0.01);
  EXPECT_EQ(ReadFile(data + "/SICONV.INI"),
            "[UNITTYPE]\r\nSI_0=1\r\nSI_1=0\r\nSI_2=0\r\nSI_3=0\r\nSI_4=0\r\nSI_5=1\r\n");
  EXPECT_EQ(Captions(*form->ListBox1),
            (std::vector<std::string>{kWaterPressure, kCriticalPressure, kPorePressure, kLoad}));
  EXPECT_EQ(Captions(*form->ListBox2), (std::vector<std::string>{kFeedPressure, kBearing}));

  ASSERT_GE(painted.texts.size(), 3u);
  EXPECT_EQ(painted.texts.front(), "変換中..." + data + "/G73.TXT");
  EXPECT_NE(std::find(painted.texts.begin(), painted.texts.end(), "変換中..." + data + "/L205.HED"),
            painted.texts.end());
  EXPECT_EQ(painted.texts.back(), kDone);
  EXPECT_EQ(StatusText().toStdString(), kDone);

  QSignalSpy tick(&form->Timer, &QTimer::timeout);
  ASSERT_TRUE(tick.wait(5000));
  EXPECT_EQ(StatusText(), QString());

  // The next scan of the folder lists the moved items in catalogue order.
  OpenFolder(std::filesystem::path(root.Path()).filename().string());
  OpenFolder("data");
  EXPECT_EQ(Captions(*form->ListBox2), (std::vector<std::string>{kFeedPressure, kBearing}));
  EXPECT_TRUE(errors.dialogs.empty());
  EXPECT_TRUE(errors.reports.empty());
}

}  // namespace
}  // namespace siconv
