#include "tests/support/ram_temp_base.h"

#include <stdlib.h>
#include <unistd.h>

namespace siconv {
namespace {

constexpr const char* kRamFolder = "/dev/shm";

}  // namespace

RamTempBase::RamTempBase() {
  if (::access(kRamFolder, W_OK | X_OK) != 0) return;
  if (const char* old = std::getenv("TMPDIR")) previous_ = old;
  set_ = ::setenv("TMPDIR", kRamFolder, 1) == 0;
}

RamTempBase::~RamTempBase() {
  if (!set_) return;
  if (previous_) {
    ::setenv("TMPDIR", previous_->c_str(), 1);
  } else {
    ::unsetenv("TMPDIR");
  }
}

}  // namespace siconv
