#include "state/command_status.h"

namespace siconv {

const char* CommandStatusText(bool success) {
  return success ? "変換を終了しました。" : "変換に失敗しました。";
}

}  // namespace siconv
