// The drives of the Wine prefix the tests run in. scripts/wine-drives gives
// it one drive of each kind beside Wine's own C: and Z:.
#include <gtest/gtest.h>

#include "browser/folder_name_order.h"
#include "browser/mounted_volumes.h"

namespace siconv {
namespace {

TEST(ReadMountedVolumes, ListsThePrefixDrivesWithTheirKinds) {
  struct Drive {
    std::string text;
    VolumeKind kind;
    bool operator==(const Drive&) const = default;
  };
  std::vector<Drive> drives;
  std::vector<std::string> roots;
  for (const VolumeItem& item : BuildVolumeItems(ReadMountedVolumes())) {
    drives.push_back({item.text, item.kind});
    roots.push_back(item.rootPath);
  }
  // Wine gives no volume labels and no remote name for a network drive.
  const std::vector<Drive> expected = {
      {"a:", VolumeKind::Floppy},     {"c: []", VolumeKind::Hard}, {"d: []", VolumeKind::CdRom},
      {"n: []", VolumeKind::Network}, {"r: []", VolumeKind::Ram},  {"z: []", VolumeKind::Hard},
  };
  EXPECT_EQ(drives, expected);
  EXPECT_EQ(roots, (std::vector<std::string>{"A:\\", "C:\\", "D:\\", "N:\\", "R:\\", "Z:\\"}));
}

TEST(OrderFolderNames, FollowsTheLocaleNotTheBytes) {
  EXPECT_EQ(OrderFolderNames({"f", "é", "9", "e", "Z", "10"}),
            (std::vector<std::string>{"10", "9", "e", "é", "f", "Z"}));
}

}  // namespace
}  // namespace siconv
