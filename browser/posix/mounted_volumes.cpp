#include "browser/mounted_volumes.h"

#include <QFile>
#include <QStorageInfo>

#include "browser/posix/removable_device.h"

namespace siconv {

std::vector<VolumeRecord> ReadMountedVolumes() {
  std::vector<VolumeRecord> volumes;
  for (const QStorageInfo& storage : QStorageInfo::mountedVolumes()) {
    if (!storage.isValid() || !storage.isReady()) continue;
    VolumeRecord volume;
    volume.rootPath = QFile::encodeName(storage.rootPath()).toStdString();
    volume.fileSystemType = storage.fileSystemType().toStdString();
    volume.device = storage.device().toStdString();
    volume.label = storage.name().toStdString();
    volume.removable = IsRemovableDevice(volume.device);
    volumes.push_back(std::move(volume));
  }
  return volumes;
}

}  // namespace siconv
