#pragma once
// A rename that never replaces, made of link() and unlink(), for the file
// systems that refuse renameat2's RENAME_NOREPLACE (NFS, FUSE such as sshfs).
#include <string>

namespace siconv {

// 0, or the IoCode of the failing step; an existing `to` gives io_code::kAlreadyExists and
// leaves both files as they were.
int RenameByLink(const std::string& from, const std::string& to);

}  // namespace siconv
