#pragma once
// The drive chooser: the volume list, the volume of the current folder and
// the last folder visited on each volume.
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "browser/volume_list.h"

namespace siconv {

class VolumeChooser {
 public:
  // volumes: ReadMountedVolumes() or a fixed set; folder: where the folder
  // list stands at start.
  VolumeChooser(const std::vector<VolumeRecord>& volumes, const std::string& folder);

  const std::vector<VolumeItem>& Items() const { return items_; }
  // The item of the volume that holds the current folder; -1 when none does.
  int CurrentIndex() const { return current_; }

  // To be called after every change of the folder list: remembers folder as
  // the last one visited on its volume.
  void FolderChanged(const std::string& folder);

  // Where choosing the item leads: the last folder visited on that volume, or
  // its root; nothing when the volume holds the current folder.
  std::optional<std::string> TargetOfChoice(int index) const;

  // The user chose the item: hands its target to open, which moves there or
  // raises. When open raises EInOutError the volume is sent to its root next
  // time and the error goes on to the caller.
  void Choose(int index, const std::function<void(const std::string&)>& open);

 private:
  std::vector<VolumeItem> items_;
  int current_ = -1;
  std::map<std::string, std::string> lastFolder_;  // by root path
};

}  // namespace siconv
