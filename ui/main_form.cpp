#include "ui/main_form.h"

#include <QEvent>
#include <QStatusBar>
#include <QToolButton>

#include "ui/fonts.h"
#include "ui/form_bor_sel.h"
#include "ui/form_version.h"
#include "ui/guarded_handler.h"
#include "ui/qt_regional_settings.h"
#include "ui/status_panel.h"
#include "ui/window_placement.h"

namespace siconv {

TmainForm::TmainForm(ErrorUi& errors, const std::string& startFolder,
                     const std::vector<VolumeRecord>& volumes, QWidget* parent)
    : QMainWindow(parent), model_(startFolder, volumes), errors_(errors) {
  setupUi(this);
  SetUpControls();
  ConnectHandlers();
  PlaceCentred(*this, ClientSize(siconv::MainFormLayout()));
  FormCreate();
  // Enabled from creation: the first tick empties the (empty) status text.
  Timer.setInterval(kStatusTimerInterval);
  Timer.start();
}

void TmainForm::SetUpControls() {
  DriveComboBox->setFont(FixedGothic(13));
  DirectoryListBox->setFont(FixedGothic(13));
  // The layout overlaps the two 65-pixel buttons by one column (at 0 and
  // 64); a toolbar cannot overlap, so the first gives up its last column.
  // A toolbar centres its buttons in its height, so the band is as high as
  // they are (49) and the client controls below keep their window places.
  const QSize toolButton = SizeOf(Control(siconv::MainFormLayout(), "SpeedButton2").place);
  CoolBar1->widgetForAction(SpeedButton1)->setFixedSize(toolButton - QSize(1, 0));
  CoolBar1->widgetForAction(SpeedButton2)->setFixedSize(toolButton);
  // Return presses the focused push button, as Space does.
  for (QPushButton* button : {BitBtn1, BitBtn2, BitBtnBorSet}) button->setAutoDefault(true);
  StatusBar->setFixedHeight(Control(siconv::MainFormLayout(), "StatusBar").place.height);
  statusPanel_ = new StatusPanel(*StatusBar);
  DirectoryListBox->ShowItems(model_.Folders());
  DriveComboBox->ShowVolumes(model_.Volumes().Items(), model_.Volumes().CurrentIndex());
  SetControlFonts(*this, ProportionalGothic(12));
}

void TmainForm::ConnectHandlers() {
  ConnectGuarded(DriveComboBox, &QComboBox::activated, this, errors_,
                 [this](int index) { DriveComboBoxChange(index); });
  ConnectGuarded(DirectoryListBox, &DirectoryListBox::openRequested, this, errors_,
                 [this](int index) { OpenFolderItem(index); });
  ConnectGuarded(ListBox1, &QuantityListBox::userSelectionChanged, this, errors_,
                 [this] { ListBoxOld1Click(); });
  ConnectGuarded(ListBox2, &QuantityListBox::userSelectionChanged, this, errors_,
                 [this] { ListBox4Click(); });
  ConnectNotebook();
  ConnectGuarded(BitBtn1, &QPushButton::clicked, this, errors_, [this] { BitBtn2SI1Click(); });
  ConnectGuarded(BitBtn2, &QPushButton::clicked, this, errors_, [this] { BitBtn2OldClick(); });
  ConnectGuarded(BitBtnBorSet, &QPushButton::clicked, this, errors_,
                 [this] { BitBtnBorSetClick(); });
  ConnectGuarded(SpeedButton1, &QAction::triggered, this, errors_, [this] { SpeedButton1Click(); });
  ConnectGuarded(SpeedButton2, &QAction::triggered, this, errors_, [this] { SpeedButton2Click(); });
  ConnectGuarded(&Timer, &QTimer::timeout, this, errors_, [this] { TimerTimer(); });
}

void TmainForm::ConnectNotebook() {
  ConnectGuarded(TabbedNotebook1, &QTabWidget::currentChanged, this, errors_,
                 [this] { TabbedNotebook1Change(); });
}

void TmainForm::SetDialogs(TFormBorSel& formBorSel, TFormVersion& formVersion) {
  formBorSel_ = &formBorSel;
  formVersion_ = &formVersion;
}

void TmainForm::FormCreate() {
  TabbedNotebook1->setCurrentIndex(0);
  StartMainWindow(model_, *this);
}

void TmainForm::ShowStatus(const std::string& text) {
  statusPanel_->setText(QString::fromStdString(text));
  // A command runs without returning to the event loop; paint its progress now.
  statusPanel_->repaint();
}

void TmainForm::BitBtnBorSetClick() {
  formBorSel_->ShowUnitTypes();
  ShowModeless(*formBorSel_);
}

void TmainForm::SpeedButton2Click() {
  ShowModeless(*formVersion_);
}

void TmainForm::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LocaleChange) ApplyQtRegionalSettings();
  QMainWindow::changeEvent(event);
}

}  // namespace siconv
