#include "browser/volume_chooser.h"

#include "engine/exceptions.h"

namespace siconv {

VolumeChooser::VolumeChooser(const std::vector<VolumeRecord>& volumes, const std::string& folder)
    : items_(BuildVolumeItems(volumes)) {
  FolderChanged(folder);
}

void VolumeChooser::FolderChanged(const std::string& folder) {
  current_ = VolumeOfFolder(items_, folder);
  if (current_ >= 0) lastFolder_[items_[current_].rootPath] = folder;
}

std::optional<std::string> VolumeChooser::TargetOfChoice(int index) const {
  if (index == current_) return std::nullopt;
  const std::string& root = items_.at(index).rootPath;
  auto last = lastFolder_.find(root);
  return last != lastFolder_.end() ? last->second : root;
}

void VolumeChooser::Choose(int index, const std::function<void(const std::string&)>& open) {
  std::optional<std::string> target = TargetOfChoice(index);
  if (!target) return;
  try {
    open(*target);
  } catch (const EInOutError&) {
    lastFolder_.erase(items_[index].rootPath);
    throw;
  }
}

}  // namespace siconv
