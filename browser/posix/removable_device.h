#pragma once
// Whether a block device holds a removable medium, as the kernel reports it.
#include <string>

namespace siconv {

// device is a device file ("/dev/sdb1", "/dev/disk/by-label/STICK"); a
// partition answers for the disk it lies on. False for anything that is not a
// block device known under sysClassBlock.
bool IsRemovableDevice(const std::string& device,
                       const std::string& sysClassBlock = "/sys/class/block");

}  // namespace siconv
