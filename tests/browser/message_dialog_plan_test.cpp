// The message dialog's button plan, shared by both skins.
#include "browser/message_dialog_plan.h"

#include <gtest/gtest.h>

#include "engine/error_report.h"

namespace siconv {
namespace {

using B = DialogButton;

struct PlanCase {
  std::uint16_t set;
  std::vector<DialogButton> buttons;
  std::optional<DialogButton> defaultButton;
  std::optional<DialogButton> cancelButton;
};

TEST(PlanButtons, OrderDefaultAndCancelFollowTheSet) {
  const std::vector<PlanCase> cases = {
      {0x0010, {B::Abort}, std::nullopt, std::nullopt},
      {0x0004, {B::Ok}, B::Ok, B::Ok},
      {0x000C, {B::Ok, B::Cancel}, B::Ok, B::Cancel},
      {0x0003, {B::Yes, B::No}, B::Yes, B::No},
      {0x000B, {B::Yes, B::No, B::Cancel}, B::Yes, B::Cancel},
      {0x0070, {B::Abort, B::Retry, B::Ignore}, B::Retry, std::nullopt},
      {0x07FF,
       {B::Yes, B::No, B::Ok, B::Cancel, B::Abort, B::Retry, B::Ignore, B::All, B::NoToAll,
        B::YesToAll, B::Help},
       B::Ok,
       B::Cancel},
      {0x0400, {B::Help}, std::nullopt, std::nullopt},
      {0xF800, {}, std::nullopt, std::nullopt},  // bits above 10 name no button
  };
  for (const PlanCase& c : cases) {
    const ButtonPlan plan = PlanButtons(c.set);
    EXPECT_EQ(plan.buttons, c.buttons) << std::hex << c.set;
    EXPECT_EQ(plan.defaultButton, c.defaultButton) << std::hex << c.set;
    EXPECT_EQ(plan.cancelButton, c.cancelButton) << std::hex << c.set;
  }
}

TEST(PlanButtons, TheOpenErrorButtonIsAbortWithItsResult) {
  EXPECT_EQ(ButtonCaption(DialogButton::Abort), "中止(&A)");
  EXPECT_EQ(ModalResult(DialogButton::Abort), message_dialog::kResultAbort);
  EXPECT_EQ(KindCaption(message_dialog::kKindError), "エラー");
  EXPECT_EQ(KindCaption(4), std::nullopt);
}

}  // namespace
}  // namespace siconv
