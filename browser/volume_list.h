#pragma once
// The drive chooser's items: the mounted volumes a user may keep data on.
#include <string>
#include <vector>

namespace siconv {

// One mounted volume as the system reports it.
struct VolumeRecord {
  std::string rootPath;        // where it is mounted
  std::string fileSystemType;  // "ext4", "nfs4", "iso9660", ...
  std::string device;          // "/dev/sdb1", or the source of a network volume
  std::string label;
  bool removable = false;  // the medium can be taken out (USB stick, card)
};

enum class VolumeKind { Floppy, Hard, Network, CdRom, Ram };

struct VolumeItem {
  std::string rootPath;
  std::string text;
  VolumeKind kind;
};

VolumeKind KindOfVolume(const VolumeRecord& volume);

// Pseudo file systems and the system's own mounts under /proc, /sys, /dev
// and /run (but /run/media, where removable media appear) are left out; "/"
// always stays. A root path mounted twice is listed once, for the mount on
// top. Sorted by root path, so "/" comes first.
std::vector<VolumeItem> BuildVolumeItems(const std::vector<VolumeRecord>& volumes);

// The item with the longest root path that holds folder; -1 when none does.
int VolumeOfFolder(const std::vector<VolumeItem>& items, const std::string& folder);

}  // namespace siconv
