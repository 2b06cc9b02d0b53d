#pragma once
// The modal message dialog of RunMessageDialog: an icon, the text, and a row
// of buttons chosen from a set of eleven. QMessageBox cannot be used here: it
// turns a lone button into the escape button, so its close box could not
// yield its own result.
#include <QDialog>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class QBoxLayout;
class QPushButton;

namespace siconv {

// In the order of the bits of the button set, bit 0 first.
enum class DialogButton { Yes, No, Ok, Cancel, Abort, Retry, Ignore, All, NoToAll, YesToAll, Help };

struct ButtonPlan {
  std::vector<DialogButton> buttons;  // one per set bit, in bit order
  std::optional<DialogButton> defaultButton;
  std::optional<DialogButton> cancelButton;
};

// Default: OK, else Yes, else Retry; cancel: Cancel, else No, else OK; each
// only when it is in the set.
ButtonPlan PlanButtons(std::uint16_t buttons);

// The dialog's result when the button is pressed; 0 for Help, which does not
// close the dialog.
int ModalResult(DialogButton button);

class MessageDialog : public QDialog {
  Q_OBJECT
 public:
  MessageDialog(const std::string& text, int kind, std::uint16_t buttons,
                QWidget* parent = nullptr);

  // The push button made for button, or nullptr when it is not in the set.
  QPushButton* Button(DialogButton button) const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void AddButtons(const ButtonPlan& plan, QBoxLayout& row);

  std::vector<std::pair<DialogButton, QPushButton*>> buttons_;
  QPushButton* cancel_ = nullptr;
};

}  // namespace siconv
