#pragma once
// While in scope, TempDir makes its folders in /dev/shm when that is a
// writable folder: the fault tests run a command hundreds of times, and on a
// disk their fsyncs, not the code under test, would take the time.
#include <optional>
#include <string>

namespace siconv {

class RamTempBase {
 public:
  RamTempBase();
  ~RamTempBase();
  RamTempBase(const RamTempBase&) = delete;
  RamTempBase& operator=(const RamTempBase&) = delete;

 private:
  bool set_ = false;
  std::optional<std::string> previous_;  // TMPDIR as it was
};

}  // namespace siconv
