#pragma once
// The drive chooser: the mounted volumes with an icon for their kind. The
// user's pick arrives through QComboBox::activated; showing a volume from
// the program fires nothing the window listens to.
#include <QComboBox>
#include <vector>

#include "browser/volume_list.h"

namespace siconv {

class DriveComboBox : public QComboBox {
  Q_OBJECT
 public:
  explicit DriveComboBox(QWidget* parent = nullptr);

  void ShowVolumes(const std::vector<VolumeItem>& volumes, int current);
};

}  // namespace siconv
