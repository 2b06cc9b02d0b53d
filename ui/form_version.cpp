#include "ui/form_version.h"

#include <QKeyEvent>

#include "ui/fonts.h"
#include "ui/guarded_handler.h"
#include "ui/window_placement.h"

namespace siconv {

TFormVersion::TFormVersion(ErrorUi& errors, QWidget* parent) : QDialog(parent) {
  setupUi(this);
  setFont(FixedGothic(13));
  // A push button takes the style's button font unless given its own.
  Button1->setFont(font());
  for (QLabel* label : {Label1, Label2, Label3, Label4}) label->setFont(FixedGothic(15));
  setFixedSize(ClientSize(siconv::FormVersionLayout()));
  PlaceCentred(*this, ClientSize(siconv::FormVersionLayout()));
  ConnectGuarded(Button1, &QPushButton::clicked, this, errors, [this] { Button1Click(); });
}

void TFormVersion::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) return;
  QDialog::keyPressEvent(event);
}

}  // namespace siconv
