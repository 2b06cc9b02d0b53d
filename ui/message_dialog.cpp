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

// The icons of kinds 0 to 3: warning, error, information, confirmation.
constexpr std::array<QStyle::StandardPixmap, 4> kKindIcons{
    QStyle::SP_MessageBoxWarning, QStyle::SP_MessageBoxCritical, QStyle::SP_MessageBoxInformation,
    QStyle::SP_MessageBoxQuestion};

QLabel* MakeIconLabel(int kind, QWidget* parent) {
  auto* label = new QLabel(parent);
  if (kind >= 0 && kind < static_cast<int>(kKindIcons.size())) {
    const QIcon icon = parent->style()->standardIcon(kKindIcons[static_cast<std::size_t>(kind)]);
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

MessageDialog::MessageDialog(const std::string& text, int kind, std::uint16_t buttons,
                             QWidget* parent)
    : QDialog(parent) {
  const std::optional<std::string_view> caption = KindCaption(kind);
  setWindowTitle(caption
                     ? QString::fromUtf8(caption->data(), static_cast<qsizetype>(caption->size()))
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
    const std::string_view caption = ButtonCaption(button);
    auto* push = new QPushButton(
        QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())), this);
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
