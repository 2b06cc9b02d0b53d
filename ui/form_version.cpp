#include "ui/form_version.h"

#include <QKeyEvent>

#include "ui/fonts.h"
#include "ui/guarded_handler.h"
#include "ui/window_placement.h"

namespace siconv {
namespace {

constexpr QSize kClientSize(432, 108);

}  // namespace

TFormVersion::TFormVersion(ErrorUi& errors, QWidget* parent) : QDialog(parent) {
  setupUi(this);
  setFont(FixedGothic(13));
  for (QLabel* label : {Label1, Label2, Label3, Label4}) label->setFont(FixedGothic(15));
  setFixedSize(kClientSize);
  PlaceCentred(*this, kClientSize);
  ConnectGuarded(Button1, &QPushButton::clicked, this, errors, [this] { Button1Click(); });
}

void TFormVersion::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) return;
  QDialog::keyPressEvent(event);
}

}  // namespace siconv
