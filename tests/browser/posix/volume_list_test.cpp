#include "browser/volume_list.h"

#include <gtest/gtest.h>

namespace siconv {
namespace {

VolumeRecord Volume(std::string root, std::string type, std::string device = "/dev/sda1",
                    std::string label = "", bool removable = false) {
  return {std::move(root), std::move(type), std::move(device), std::move(label), removable};
}

TEST(BuildVolumeItems, TextAndKindByVolumeType) {
  struct Case {
    VolumeRecord volume;
    const char* text;
    VolumeKind kind;
  };
  const Case cases[] = {
      {Volume("/media/Stick", "vfat", "/dev/sdb1", "STICK", true), "/media/Stick",
       VolumeKind::Floppy},
      {Volume("/Data", "ext4", "/dev/sda2", "Survey"), "/Data [Survey]", VolumeKind::Hard},
      {Volume("/data2", "xfs"), "/data2 []", VolumeKind::Hard},
      {Volume("/mnt/share", "cifs", "//Server/Share", "x"), "/mnt/share //Server/Share",
       VolumeKind::Network},
      {Volume("/mnt/nfs", "nfs4", "", "Label"), "/mnt/nfs [Label]", VolumeKind::Network},
      {Volume("/media/cd", "iso9660", "/dev/sr0", "DVD", true), "/media/cd [DVD]",
       VolumeKind::CdRom},
      {Volume("/tmp", "tmpfs", "tmpfs"), "/tmp []", VolumeKind::Ram},
  };
  for (const Case& c : cases) {
    std::vector<VolumeItem> items = BuildVolumeItems({c.volume});
    ASSERT_EQ(items.size(), 1u) << c.text;
    EXPECT_EQ(items[0].text, c.text);
    EXPECT_EQ(items[0].kind, c.kind) << c.text;
    EXPECT_EQ(items[0].rootPath, c.volume.rootPath);
  }
}

TEST(BuildVolumeItems, LeavesOutSystemMountsAndSortsRootFirst) {
  std::vector<VolumeItem> items = BuildVolumeItems({
      Volume("/proc", "proc", "proc"),
      Volume("/sys/fs/cgroup", "cgroup2", "cgroup2"),
      Volume("/home", "ext4", "/dev/sda3", "old"),
      Volume("/run/user/1000", "tmpfs", "tmpfs"),
      Volume("/dev/shm", "tmpfs", "tmpfs"),
      Volume("/snap/core/1", "squashfs", "/dev/loop0"),
      Volume("/run/media/u/STICK", "vfat", "/dev/sdb1", "", true),
      Volume("/", "overlay", "overlay"),
      Volume("/home", "ext4", "/dev/sdc1", "new"),
  });
  std::vector<std::string> texts;
  for (const VolumeItem& item : items) texts.push_back(item.text);
  EXPECT_EQ(texts, (std::vector<std::string>{"/ []", "/home [new]", "/run/media/u/STICK"}));
}

TEST(VolumeOfFolder, TakesTheLongestRootHoldingTheFolder) {
  std::vector<VolumeItem> items =
      BuildVolumeItems({Volume("/mnt/data", "ext4"), Volume("/", "ext4"), Volume("/mnt", "ext4")});
  EXPECT_EQ(VolumeOfFolder(items, "/mnt/data/x"), 2);
  EXPECT_EQ(VolumeOfFolder(items, "/mnt/database"), 1);
  EXPECT_EQ(VolumeOfFolder(items, "/mnt"), 1);
  EXPECT_EQ(VolumeOfFolder(items, "/home"), 0);
  EXPECT_EQ(VolumeOfFolder(BuildVolumeItems({Volume("/mnt", "ext4")}), "/home"), -1);
}

}  // namespace
}  // namespace siconv
