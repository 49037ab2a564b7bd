// The window has no default and no cancel button: Enter and Escape outside
// a push button change nothing, and the program keeps running.
#include "program_test.h"
#include "ui/control_ids.h"
#include "user_input.h"
#include "wait_until.h"
#include "windows_of.h"

namespace vm::e2e {
namespace {

using DialogKeys = ProgramTest;

TEST_F(DialogKeys, EnterAndEscapeInTheListAndTheColourFieldDoNothing) {
  ASSERT_TRUE(BringToFront(main_window()));
  HWND list = Control(IDC_LBBITMAP);
  HWND edit = Control(IDC_EDCOLOR);
  ASSERT_TRUE(WaitUntil([&] { return FocusedWindow() == list; }, 2000));
  PressKey(VK_RETURN);
  PressKey(VK_ESCAPE);
  PressKey(VK_TAB);
  ASSERT_EQ(FocusAfterMoveFrom(list), edit);
  PressKey(VK_RETURN);
  PressKey(VK_ESCAPE);
  // A closing program, or a message, would show within this time.
  Sleep(1000);

  EXPECT_FALSE(program().WaitForExit(0).has_value()) << "the program ended";
  EXPECT_EQ(DescribeOtherVisibleWindows(), L"");
  EXPECT_EQ(FocusedWindow(), edit);
  EXPECT_EQ(TextOf(edit), L"$000000");
}

}  // namespace
}  // namespace vm::e2e
