#include "browser/message_dialog_plan.h"

#include <algorithm>
#include <array>
#include <initializer_list>

#include "engine/error_report.h"

namespace siconv {
namespace {

struct ButtonFace {
  std::string_view caption;
  int result;
};

// Captions and modal results, in the order of the set's bits.
constexpr std::array<ButtonFace, 11> kButtonFaces{{
    {"はい(&Y)", 6},
    {"いいえ(&N)", 7},
    {"OK", 1},
    {"ｷｬﾝｾﾙ", 2},
    {"中止(&A)", message_dialog::kResultAbort},
    {"再試行(&R)", 4},
    {"無視(&I)", 5},
    {"すべて(&A)", 8},
    {"すべていいえ(&O)", 9},
    {"すべてはい(&A)", 10},
    {"ﾍﾙﾌﾟ(&H)", 0},
}};

constexpr std::array<std::string_view, 4> kKindCaptions{"警告", "エラー", "情報", "確認"};

std::optional<DialogButton> FirstPresent(const std::vector<DialogButton>& present,
                                         std::initializer_list<DialogButton> candidates) {
  for (DialogButton candidate : candidates) {
    if (std::find(present.begin(), present.end(), candidate) != present.end()) return candidate;
  }
  return std::nullopt;
}

}  // namespace

ButtonPlan PlanButtons(std::uint16_t buttons) {
  ButtonPlan plan;
  for (int bit = 0; bit < static_cast<int>(kButtonFaces.size()); ++bit) {
    if ((buttons >> bit) & 1) plan.buttons.push_back(static_cast<DialogButton>(bit));
  }
  plan.defaultButton =
      FirstPresent(plan.buttons, {DialogButton::Ok, DialogButton::Yes, DialogButton::Retry});
  plan.cancelButton =
      FirstPresent(plan.buttons, {DialogButton::Cancel, DialogButton::No, DialogButton::Ok});
  return plan;
}

std::string_view ButtonCaption(DialogButton button) {
  return kButtonFaces.at(static_cast<std::size_t>(button)).caption;
}

int ModalResult(DialogButton button) {
  return kButtonFaces.at(static_cast<std::size_t>(button)).result;
}

std::optional<std::string_view> KindCaption(int kind) {
  if (kind < 0 || kind >= static_cast<int>(kKindCaptions.size())) return std::nullopt;
  return kKindCaptions[static_cast<std::size_t>(kind)];
}

}  // namespace siconv
