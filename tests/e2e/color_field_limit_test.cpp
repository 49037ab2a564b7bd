// The colour field takes at most seven typed characters.
#include "program_test.h"
#include "ui/control_ids.h"
#include "user_input.h"
#include "wait_until.h"
#include "windows_of.h"

namespace vm::e2e {
namespace {

using ColourField = ProgramTest;

// Posted messages are handled in order: once the marker selection shows,
// every character posted before it has been handled.
void WaitForPostedCharacters(HWND edit) {
  PostMessageW(edit, EM_SETSEL, 2, 3);
  WaitUntil([&] { return SendMessageW(edit, EM_GETSEL, 0, 0) == MAKELRESULT(2, 3); }, 3000);
}

TEST_F(ColourField, TakesNoEighthTypedCharacter) {
  HWND edit = Control(IDC_EDCOLOR);
  ASSERT_NE(edit, nullptr);
  SendMessageW(edit, EM_SETSEL, 0, -1);
  PostChars(edit, L"$123456");
  WaitForPostedCharacters(edit);
  ASSERT_EQ(TextOf(edit), L"$123456");

  SendMessageW(edit, EM_SETSEL, 7, 7);
  PostChars(edit, L"7");
  WaitForPostedCharacters(edit);
  EXPECT_EQ(TextOf(edit), L"$123456");
}

}  // namespace
}  // namespace vm::e2e
