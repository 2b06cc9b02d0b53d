#pragma once
// The version dialog: the program's title, name and version as fixed texts.
// Created hidden at start; shown without being modal; closing only hides it.
#include <QDialog>

#include "engine/error_report.h"
#include "ui_form_version.h"

namespace siconv {

class TFormVersion : public QDialog, public Ui::FormVersionLayout {
  Q_OBJECT
 public:
  TFormVersion(ErrorUi& errors, QWidget* parent);

 protected:
  // The dialog has no cancel button: Escape does not close it.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Button1Click() { close(); }
};

}  // namespace siconv
