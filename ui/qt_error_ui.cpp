#include "ui/qt_error_ui.h"

#include <QApplication>
#include <QWidget>

#include "ui/message_dialog.h"

namespace siconv {

std::unique_ptr<QMessageBox> MakeExceptionReport(const Exception& e, const std::string& title,
                                                 QWidget* owner) {
  auto box = std::make_unique<QMessageBox>(QMessageBox::Critical, QString::fromStdString(title),
                                           QString::fromStdString(ExceptionReportText(e)),
                                           QMessageBox::Ok, owner);
  box->setTextFormat(Qt::PlainText);
  return box;
}

// There are no help topics: the help context is never looked at.
int QtErrorUi::RunMessageDialog(const std::string& text, int kind, std::uint16_t buttons,
                                int /*helpContext*/) {
  MessageDialog dialog(text, kind, buttons);
  dialog.setWindowModality(Qt::ApplicationModal);
  return dialog.exec();
}

void QtErrorUi::ReportException(const Exception& e) {
  // A drag or a held button would otherwise keep the mouse from the report.
  if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
  auto box = MakeExceptionReport(e, title_, QApplication::activeWindow());
  box->exec();
}

}  // namespace siconv
