// The Qt skin's layout files against the shared layout table: every control
// of the three windows where the table puts it, with its caption, hint and
// font. Qt sizes a few controls by their content: labels (as wide as their
// text), radio buttons (its indicator needs more room), the drive chooser's
// height, the toolbar's height and the first tool button's width; only their
// places are compared. Tab visits the controls in the table's tab order.
#include <QAbstractButton>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QToolButton>
#include <algorithm>

#include "browser/window_layout.h"
#include "tests/ui/window_test_support.h"

namespace siconv {
namespace {

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool SizedByContent(const ControlLayout& control) {
  switch (control.kind) {
    case ControlKind::Label:
    case ControlKind::RadioButton:
    case ControlKind::DriveChooser:
    case ControlKind::ToolBar:
      return true;
    default:
      return control.name == "SpeedButton1";
  }
}

// The widget that shows the control: a tool button stands for its action.
QWidget* WidgetOf(QWidget& window, const ControlLayout& control) {
  const QString name = Text(control.name);
  if (control.kind == ControlKind::ToolButton) {
    auto* bar = window.findChild<QToolBar*>();
    return bar->widgetForAction(window.findChild<QAction*>(name));
  }
  return window.findChild<QWidget*>(name);
}

QString CaptionOf(const QWidget& widget, const ControlLayout& control) {
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) return label->text();
  if (const auto* box = qobject_cast<const QGroupBox*>(&widget)) return box->title();
  if (const auto* tool = qobject_cast<const QToolButton*>(&widget)) {
    return tool->defaultAction()->text();
  }
  if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) return button->text();
  if (control.kind == ControlKind::NotebookPage) {
    const auto* notebook = qobject_cast<const QTabWidget*>(widget.parentWidget()->parentWidget());
    return notebook->tabText(notebook->indexOf(const_cast<QWidget*>(&widget)));
  }
  return {};
}

void ExpectAgrees(QWidget& window, const WindowLayout& layout) {
  EXPECT_EQ(window.windowTitle(), Text(layout.caption));
  EXPECT_EQ(window.size(), QSize(layout.clientWidth, layout.clientHeight)) << layout.name;
  for (const ControlLayout& control : layout.controls) {
    if (control.kind == ControlKind::FileList) continue;  // never shown
    const std::string where = std::string(layout.name) + "." + std::string(control.name);
    QWidget* widget = WidgetOf(window, control);
    ASSERT_NE(widget, nullptr) << where;
    const Place place = PlaceInWindow(layout, control.name);
    const QPoint corner = widget->mapTo(&window, QPoint());
    EXPECT_EQ(corner, QPoint(place.left, place.top)) << where;
    if (!SizedByContent(control)) {
      EXPECT_EQ(widget->size(), QSize(place.width, place.height)) << where;
    }
    EXPECT_EQ(CaptionOf(*widget, control), Text(control.caption)) << where;
    const QString hint = control.kind == ControlKind::ToolButton
                             ? qobject_cast<QToolButton*>(widget)->defaultAction()->toolTip()
                             : widget->toolTip();
    // The folder list's hint is the data folder's path, set as it changes.
    if (control.kind != ControlKind::FolderList) {
      EXPECT_EQ(hint, Text(control.hint)) << where;
    }
    const FontSpec font = control.font.pixelHeight != 0 ? control.font : layout.font;
    EXPECT_EQ(QFontInfo(widget->font()).pixelSize(), font.pixelHeight) << where;
  }
}

// The controls of the table that Tab reaches, in the order of the window's
// focus chain, a ring read from first on; the hidden file list has no widget
// in the Qt skin.
std::vector<std::string_view> FocusChain(QWidget& window, const WindowLayout& layout,
                                         std::string_view first) {
  std::vector<std::string_view> chain;
  for (QWidget* widget = window.nextInFocusChain(); widget != &window;
       widget = widget->nextInFocusChain()) {
    if (widget->window() != &window || (widget->focusPolicy() & Qt::TabFocus) == 0) continue;
    for (const ControlLayout& control : layout.controls) {
      if (TakesFocus(control.kind) && widget->objectName() == Text(control.name)) {
        chain.push_back(control.name);
      }
    }
  }
  std::ranges::rotate(chain, std::ranges::find(chain, first));
  return chain;
}

void ExpectTabOrder(QWidget& window, const WindowLayout& layout) {
  std::vector<std::string_view> sequence = TabSequence(layout);
  std::erase(sequence, "FileListBox1");
  EXPECT_EQ(FocusChain(window, layout, sequence.front()), sequence) << layout.name;
}

TEST_F(WindowTest, TheQtWindowsFollowTheLayoutTable) {
  Start();
  ExpectAgrees(*form, MainFormLayout());
  ExpectAgrees(windows->FormBorSel, FormBorSelLayout());
  ExpectAgrees(windows->FormVersion, FormVersionLayout());
  ExpectTabOrder(*form, MainFormLayout());
  ExpectTabOrder(windows->FormBorSel, FormBorSelLayout());
  ExpectTabOrder(windows->FormVersion, FormVersionLayout());
}

}  // namespace
}  // namespace siconv
