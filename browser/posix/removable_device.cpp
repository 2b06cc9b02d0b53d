#include "browser/posix/removable_device.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace siconv {
namespace {

// "1" in the attribute file means removable; a missing file says nothing.
bool ReadsOne(const std::filesystem::path& attribute) {
  std::ifstream in(attribute);
  char flag = '0';
  return in >> flag && flag == '1';
}

}  // namespace

bool IsRemovableDevice(const std::string& device, const std::string& sysClassBlock) {
  std::error_code error;
  std::filesystem::path node = std::filesystem::canonical(device, error);
  if (error || !node.has_filename()) return false;
  std::filesystem::path entry = std::filesystem::path(sysClassBlock) / node.filename();
  // A partition's entry lies inside its disk's; the kernel follows the link
  // before "..", so the disk's attribute is found through the partition.
  if (std::filesystem::exists(entry / "partition", error))
    return ReadsOne(entry / ".." / "removable");
  return ReadsOne(entry / "removable");
}

}  // namespace siconv
