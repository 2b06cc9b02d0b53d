#pragma once
// The message dialog of RunMessageDialog without a toolkit: which buttons a
// button set makes, their captions and results, the default and the cancel
// button, and the caption of each kind. Each skin draws it natively.
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace siconv {

// In the order of the bits of the button set, bit 0 first.
enum class DialogButton { Yes, No, Ok, Cancel, Abort, Retry, Ignore, All, NoToAll, YesToAll, Help };

struct ButtonPlan {
  std::vector<DialogButton> buttons;  // one per set bit, in bit order
  std::optional<DialogButton> defaultButton;
  std::optional<DialogButton> cancelButton;
};

// Default: OK, else Yes, else Retry; cancel: Cancel, else No, else OK; each
// only when it is in the set.
ButtonPlan PlanButtons(std::uint16_t buttons);

std::string_view ButtonCaption(DialogButton button);
// The dialog's result when the button is pressed; 0 for Help, which does not
// close the dialog.
int ModalResult(DialogButton button);

// Kinds 0 to 3: warning, error, information, confirmation; nothing for
// another kind, whose dialog takes the application's title.
std::optional<std::string_view> KindCaption(int kind);

}  // namespace siconv
