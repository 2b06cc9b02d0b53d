#pragma once
// The drive chooser's items: the mounted volumes a user may keep data on.
#include <optional>
#include <string>
#include <vector>

namespace siconv {

enum class VolumeKind { Floppy, Hard, Network, CdRom, Ram };

// One mounted volume (a drive on Windows) as the system reports it.
struct VolumeRecord {
  std::string rootPath;        // where it is mounted: "/media/stick", "C:\"
  std::string fileSystemType;  // "ext4", "nfs4", "iso9660", ...
  std::string device;          // "/dev/sdb1", or the source of a network volume
  std::string label;
  bool removable = false;  // the medium can be taken out (USB stick, card)
  // The kind the system names outright (a Windows drive type); without it the
  // kind follows from the file system type and the removable flag.
  std::optional<VolumeKind> kind = std::nullopt;
};

struct VolumeItem {
  std::string rootPath;
  std::string text;
  VolumeKind kind;
};

VolumeKind KindOfVolume(const VolumeRecord& volume);

// How an item names its volume: the root path on Linux, the drive letter in
// lower case and a colon on Windows ("c:").
std::string VolumeItemName(const std::string& rootPath);

// Pseudo file systems and the system's own mounts under /proc, /sys, /dev
// and /run (but /run/media, where removable media appear) are left out; "/"
// always stays. A root path mounted twice is listed once, for the mount on
// top. Sorted by root path, so "/" comes first.
std::vector<VolumeItem> BuildVolumeItems(const std::vector<VolumeRecord>& volumes);

// The item with the longest root path that holds folder; -1 when none does.
int VolumeOfFolder(const std::vector<VolumeItem>& items, const std::string& folder);

}  // namespace siconv
