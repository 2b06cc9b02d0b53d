// The drives: GetLogicalDrives for the letters, GetDriveTypeW for the kind,
// the volume label and a network drive's remote name for the text.
#include <windows.h>
#include <winnetwk.h>

#include <algorithm>
#include <cctype>

#include "browser/mounted_volumes.h"
#include "engine/win32/wide_text.h"

namespace siconv {
namespace {

std::optional<VolumeKind> KindOfDriveType(UINT type) {
  switch (type) {
    case DRIVE_REMOVABLE:
      return VolumeKind::Floppy;
    case DRIVE_FIXED:
      return VolumeKind::Hard;
    case DRIVE_REMOTE:
      return VolumeKind::Network;
    case DRIVE_CDROM:
      return VolumeKind::CdRom;
    case DRIVE_RAMDISK:
      return VolumeKind::Ram;
    default:  // no root folder, or a type of no use for data
      return std::nullopt;
  }
}

// The chooser shows labels and remote names in lower case; only the
// single-byte letters change.
std::string LowerCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(c < 0x80 ? std::tolower(c) : c); });
  return text;
}

// Empty when the drive gives none. Critical-error dialogs are off meanwhile,
// so a drive without a medium fails quietly instead of asking the user.
std::string VolumeLabel(const std::wstring& root) {
  wchar_t label[MAX_PATH + 1] = L"";
  const UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS);
  const BOOL read = GetVolumeInformationW(root.c_str(), label, MAX_PATH + 1, nullptr, nullptr,
                                          nullptr, nullptr, 0);
  SetErrorMode(previous);
  return read ? WideToUtf8(label) : std::string();
}

// Empty when the connection's remote name cannot be had.
std::string RemoteName(wchar_t letter) {
  const wchar_t local[] = {letter, L':', L'\0'};
  wchar_t remote[MAX_PATH + 1] = L"";
  DWORD size = MAX_PATH + 1;
  return WNetGetConnectionW(local, remote, &size) == NO_ERROR ? WideToUtf8(remote) : std::string();
}

}  // namespace

std::vector<VolumeRecord> ReadMountedVolumes() {
  std::vector<VolumeRecord> volumes;
  const DWORD drives = GetLogicalDrives();
  for (int i = 0; i < 26; ++i) {
    if ((drives & (DWORD{1} << i)) == 0) continue;
    const wchar_t letter = static_cast<wchar_t>(L'A' + i);
    const std::wstring root = {letter, L':', L'\\'};
    const std::optional<VolumeKind> kind = KindOfDriveType(GetDriveTypeW(root.c_str()));
    if (!kind) continue;
    VolumeRecord volume;
    volume.rootPath = WideToUtf8(root);
    volume.kind = kind;
    volume.removable = *kind == VolumeKind::Floppy;
    // A removable drive is never asked for a label: that would spin up the medium.
    if (!volume.removable) volume.label = LowerCase(VolumeLabel(root));
    if (*kind == VolumeKind::Network) volume.device = LowerCase(RemoteName(letter));
    volumes.push_back(std::move(volume));
  }
  return volumes;
}

}  // namespace siconv
