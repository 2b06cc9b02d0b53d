#pragma once
// The modal message dialog of RunMessageDialog: an icon, the text, and a row
// of buttons chosen from a set of eleven. QMessageBox cannot be used here: it
// turns a lone button into the escape button, so its close box could not
// yield its own result.
#include <QDialog>
#include <cstdint>
#include <string>
#include <vector>

#include "browser/message_dialog_plan.h"

class QBoxLayout;
class QPushButton;

namespace siconv {

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
