#include "browser/volume_list.h"

#include <map>
#include <set>

#include "state/folder_path.h"

namespace siconv {
namespace {

const std::set<std::string> kPseudoTypes = {
    "autofs",     "binfmt_misc",     "bpf",         "cgroup",    "cgroup2",
    "configfs",   "debugfs",         "devpts",      "devtmpfs",  "efivarfs",
    "fusectl",    "fuse.gvfsd-fuse", "fuse.portal", "hugetlbfs", "mqueue",
    "nsfs",       "overlay",         "proc",        "pstore",    "rpc_pipefs",
    "securityfs", "selinuxfs",       "squashfs",    "sysfs",     "tracefs"};
const std::set<std::string> kNetworkTypes = {"nfs",   "nfs4",  "cifs",      "smb3",
                                             "smbfs", "sshfs", "fuse.sshfs"};
const std::set<std::string> kOpticalTypes = {"iso9660", "udf"};
const std::set<std::string> kMemoryTypes = {"tmpfs", "ramfs"};

bool IsSystemMount(const std::string& root) {
  if (FolderContains("/run/media", root)) return false;
  return FolderContains("/proc", root) || FolderContains("/sys", root) ||
         FolderContains("/dev", root) || FolderContains("/run", root);
}

bool IsListed(const VolumeRecord& volume) {
  if (volume.rootPath == "/") return true;
  return !kPseudoTypes.contains(volume.fileSystemType) && !IsSystemMount(volume.rootPath);
}

std::string ItemText(const VolumeRecord& volume, VolumeKind kind) {
  const std::string name = VolumeItemName(volume.rootPath);
  if (kind == VolumeKind::Floppy) return name;
  if (kind == VolumeKind::Network && !volume.device.empty()) return name + " " + volume.device;
  return name + " [" + volume.label + "]";
}

}  // namespace

// The file system names optical and network media whatever the device says;
// an optical drive also reports itself removable.
VolumeKind KindOfVolume(const VolumeRecord& volume) {
  if (volume.kind) return *volume.kind;
  if (kNetworkTypes.contains(volume.fileSystemType)) return VolumeKind::Network;
  if (kOpticalTypes.contains(volume.fileSystemType)) return VolumeKind::CdRom;
  if (kMemoryTypes.contains(volume.fileSystemType)) return VolumeKind::Ram;
  return volume.removable ? VolumeKind::Floppy : VolumeKind::Hard;
}

std::vector<VolumeItem> BuildVolumeItems(const std::vector<VolumeRecord>& volumes) {
  std::map<std::string, VolumeItem> byRoot;  // later mounts hide earlier ones
  for (const VolumeRecord& volume : volumes) {
    if (!IsListed(volume)) continue;
    VolumeKind kind = KindOfVolume(volume);
    byRoot.insert_or_assign(volume.rootPath,
                            VolumeItem{volume.rootPath, ItemText(volume, kind), kind});
  }
  std::vector<VolumeItem> items;
  for (auto& entry : byRoot) items.push_back(std::move(entry.second));
  return items;
}

int VolumeOfFolder(const std::vector<VolumeItem>& items, const std::string& folder) {
  int best = -1;
  for (int i = 0; i < static_cast<int>(items.size()); ++i) {
    bool longer = best < 0 || items[i].rootPath.size() > items[best].rootPath.size();
    if (longer && FolderContains(items[i].rootPath, folder)) best = i;
  }
  return best;
}

}  // namespace siconv
