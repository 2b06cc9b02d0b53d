#include "ui/drive_combo_box.h"

#include <QIcon>

namespace siconv {
namespace {

QIcon IconOf(VolumeKind kind) {
  switch (kind) {
    case VolumeKind::Floppy:
      return QIcon(QStringLiteral(":/siconv/FLOPPY.svg"));
    case VolumeKind::Network:
      return QIcon(QStringLiteral(":/siconv/NETWORK.svg"));
    case VolumeKind::CdRom:
      return QIcon(QStringLiteral(":/siconv/CDROM.svg"));
    case VolumeKind::Ram:
      return QIcon(QStringLiteral(":/siconv/RAM.svg"));
    case VolumeKind::Hard:
      break;
  }
  return QIcon(QStringLiteral(":/siconv/HARD.svg"));
}

}  // namespace

DriveComboBox::DriveComboBox(QWidget* parent) : QComboBox(parent) {
  setIconSize(QSize(16, 16));
}

void DriveComboBox::ShowVolumes(const std::vector<VolumeItem>& volumes, int current) {
  clear();
  for (const VolumeItem& volume : volumes) {
    addItem(IconOf(volume.kind), QString::fromStdString(volume.text));
  }
  setCurrentIndex(current);
}

}  // namespace siconv
