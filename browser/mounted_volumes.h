#pragma once
// The volumes mounted on this system now.
#include <vector>

#include "browser/volume_list.h"

namespace siconv {

// Every mounted volume that is valid and ready, as QStorageInfo reports it,
// with its removable flag read from the kernel.
std::vector<VolumeRecord> ReadMountedVolumes();

}  // namespace siconv
