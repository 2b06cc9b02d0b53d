#include "ui/message_dialog.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <array>

#include "engine/error_report.h"
#include "ui/window_placement.h"

namespace siconv {
namespace {

struct ButtonFace {
  const char* caption;
  int result;
};

// Captions and modal results, in the order of the set's bits.
constexpr std::array<ButtonFace, 11> kButtonFaces{{
    {"はい(&Y)", 6},
    {"いいえ(&N)", 7},
    {"OK", 1},
    {"ｷｬﾝｾﾙ", 2},
    {"中止(&A)", message_dialog::kResultAbort},
    {"再試行(&R)", 4},
    {"無視(&I)", 5},
    {"すべて(&A)", 8},
    {"すべていいえ(&O)", 9},
    {"すべてはい(&A)", 10},
    {"ﾍﾙﾌﾟ(&H)", 0},
}};

struct KindFace {
  const char* caption;
  QStyle::StandardPixmap icon;
};

// Kinds 0 to 3: warning, error, information, confirmation.
constexpr std::array<KindFace, 4> kKindFaces{{
    {"警告", QStyle::SP_MessageBoxWarning},
    {"エラー", QStyle::SP_MessageBoxCritical},
    {"情報", QStyle::SP_MessageBoxInformation},
    {"確認", QStyle::SP_MessageBoxQuestion},
}};

const ButtonFace& FaceOf(DialogButton button) {
  return kButtonFaces[static_cast<int>(button)];
}

std::optional<DialogButton> FirstPresent(const std::vector<DialogButton>& present,
                                         std::initializer_list<DialogButton> candidates) {
  for (DialogButton candidate : candidates) {
    if (std::find(present.begin(), present.end(), candidate) != present.end()) return candidate;
  }
  return std::nullopt;
}

QLabel* MakeIconLabel(int kind, QWidget* parent) {
  auto* label = new QLabel(parent);
  if (kind >= 0 && kind < static_cast<int>(kKindFaces.size())) {
    const QIcon icon = parent->style()->standardIcon(kKindFaces[kind].icon);
    label->setPixmap(icon.pixmap(32, 32));
  }
  label->setAlignment(Qt::AlignTop);
  return label;
}

// Wrapped within half the screen's width; a shorter text keeps its own width.
QLabel* MakeTextLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);
  int widest = 0;
  for (const QString& line : text.split(QLatin1Char('\n'))) {
    widest = std::max(widest, label->fontMetrics().horizontalAdvance(line));
  }
  const QScreen* screen = QGuiApplication::primaryScreen();
  const int limit = screen != nullptr ? screen->availableGeometry().width() / 2 : widest;
  if (widest > limit) {
    label->setWordWrap(true);
    label->setFixedWidth(limit);
  }
  return label;
}

}  // namespace

ButtonPlan PlanButtons(std::uint16_t buttons) {
  ButtonPlan plan;
  for (int bit = 0; bit < static_cast<int>(kButtonFaces.size()); ++bit) {
    if ((buttons >> bit) & 1) plan.buttons.push_back(static_cast<DialogButton>(bit));
  }
  plan.defaultButton =
      FirstPresent(plan.buttons, {DialogButton::Ok, DialogButton::Yes, DialogButton::Retry});
  plan.cancelButton =
      FirstPresent(plan.buttons, {DialogButton::Cancel, DialogButton::No, DialogButton::Ok});
  return plan;
}

int ModalResult(DialogButton button) {
  return FaceOf(button).result;
}

MessageDialog::MessageDialog(const std::string& text, int kind, std::uint16_t buttons,
                             QWidget* parent)
    : QDialog(parent) {
  const bool known = kind >= 0 && kind < static_cast<int>(kKindFaces.size());
  setWindowTitle(known ? QString::fromUtf8(kKindFaces[kind].caption)
                       : QGuiApplication::applicationDisplayName());
  QString shown = QString::fromStdString(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));

  auto* content = new QHBoxLayout;
  content->setSpacing(16);
  content->addWidget(MakeIconLabel(kind, this));
  content->addWidget(MakeTextLabel(shown, this));
  auto* row = new QHBoxLayout;
  AddButtons(PlanButtons(buttons), *row);

  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->setSpacing(16);
  layout->addLayout(content);
  layout->addLayout(row);
  PlaceCentred(*this, sizeHint());
}

void MessageDialog::AddButtons(const ButtonPlan& plan, QBoxLayout& row) {
  row.addStretch();
  for (DialogButton button : plan.buttons) {
    auto* push = new QPushButton(QString::fromUtf8(FaceOf(button).caption), this);
    // Return presses the focused button, else the planned default.
    push->setAutoDefault(true);
    push->setDefault(plan.defaultButton == button);
    if (plan.defaultButton == button || buttons_.empty()) push->setFocus();
    if (plan.cancelButton == button) cancel_ = push;
    const int result = ModalResult(button);
    if (button != DialogButton::Help) {
      connect(push, &QPushButton::clicked, this, [this, result] { done(result); });
    }
    row.addWidget(push);
    buttons_.emplace_back(button, push);
  }
  row.addStretch();
}

QPushButton* MessageDialog::Button(DialogButton button) const {
  for (const auto& [kind, push] : buttons_) {
    if (kind == button) return push;
  }
  return nullptr;
}

// Escape presses the cancel button; without one it does nothing.
void MessageDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    if (cancel_ != nullptr) cancel_->click();
    return;
  }
  QDialog::keyPressEvent(event);
}

// The focused button shows its focus mark from the start, not only after
// the first Tab.
void MessageDialog::showEvent(QShowEvent* event) {
  setAttribute(Qt::WA_KeyboardFocusChange);
  QDialog::showEvent(event);
}

void MessageDialog::closeEvent(QCloseEvent* event) {
  done(message_dialog::kResultClosed);
  event->accept();
}

}  // namespace siconv
