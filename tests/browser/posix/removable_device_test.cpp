#include "browser/posix/removable_device.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/temp_dir.h"

namespace siconv {
namespace {

namespace fs = std::filesystem;

// A small copy of the kernel's layout: /sys/class/block/<name> links into
// the device tree, a partition's folder lies inside its disk's.
TEST(IsRemovableDevice, FollowsTheDeviceToItsDisk) {
  TempDir temp;
  auto path = [&](const std::string& relative) { return temp.Path(relative); };
  for (const char* folder : {"devices/sdb/sdb1", "devices/sda/sda2", "class", "dev/by-label"}) {
    fs::create_directories(path(folder));
  }
  WriteFile(path("devices/sdb/removable"), "1\n");
  WriteFile(path("devices/sda/removable"), "0\n");
  WriteFile(path("devices/sdb/sdb1/partition"), "1\n");
  WriteFile(path("devices/sda/sda2/partition"), "2\n");
  for (const char* link : {"sdb", "sdb/sdb1", "sda", "sda/sda2"}) {
    std::string name = fs::path(link).filename();
    fs::create_directory_symlink(std::string("../devices/") + link, path("class/" + name));
    WriteFile(path("dev/" + name), "");
  }
  WriteFile(path("dev/nvme0n1"), "");
  fs::create_symlink("../sdb1", path("dev/by-label/STICK"));

  struct Case {
    std::string device;
    bool removable;
  };
  const Case cases[] = {
      {path("dev/sdb"), true},   {path("dev/sdb1"), true},     {path("dev/by-label/STICK"), true},
      {path("dev/sda2"), false}, {path("dev/nvme0n1"), false}, {"server:/export", false}};
  for (const Case& c : cases) {
    EXPECT_EQ(IsRemovableDevice(c.device, path("class")), c.removable) << c.device;
  }
}

}  // namespace
}  // namespace siconv
