#pragma once
// The outcome of one conversion command as the user reads it: in the
// window's status bar and in siconv-cli's line for the folder.
namespace siconv {

const char* CommandStatusText(bool success);

}  // namespace siconv
