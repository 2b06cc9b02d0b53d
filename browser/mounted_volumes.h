#pragma once
// The volumes mounted on this system now.
#include <vector>

#include "browser/volume_list.h"

namespace siconv {

// On Linux every mounted volume that is valid and ready, as QStorageInfo
// reports it, with its removable flag read from the kernel; on Windows every
// drive with a root folder, letter by letter, with its drive type as its kind.
std::vector<VolumeRecord> ReadMountedVolumes();

}  // namespace siconv
