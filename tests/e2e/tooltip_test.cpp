// Only the two speed buttons show tooltips: "ファイル参照" and "カラー参照".
#include <string>
#include <vector>

#include "program_test.h"
#include "ui/control_ids.h"
#include "user_input.h"
#include "wait_until.h"
#include "windows_of.h"

namespace vm::e2e {
namespace {

// Longer than the usual delay before a tooltip shows, with room for Wine.
constexpr DWORD kTooltipWaitMs = 1500;
// Over a control that has none, somewhat more than the usual delay.
constexpr DWORD kNoTooltipWaitMs = 1000;

class Tooltips : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    if (HasFatalFailure()) return;
    // Tooltips may show only for the active window, as for a user.
    ASSERT_TRUE(BringToFront(main_window()));
  }

  // The class and text of whatever pops up after the pointer rests on the control,
  // or nothing when none shows within wait_ms.
  std::wstring PopupTextOver(int id, DWORD wait_ms) {
    HWND control = Control(id);
    if (!control) return L"<no control>";
    MovePointerTo(CentreOf(control));
    WaitUntil([&] { return !OtherVisibleWindows().empty(); }, wait_ms, 50);
    return DescribeOtherVisibleWindows();
  }
};

struct NamedControl {
  int id;
  const char* name;
};

TEST_F(Tooltips, BrowseForFilesButtonShowsItsTooltip) {
  EXPECT_EQ(PopupTextOver(IDC_SBBITMAPSEARCH, kTooltipWaitMs), L"tooltips_class32 \"ファイル参照\"");
}

TEST_F(Tooltips, BrowseForColourButtonShowsItsTooltip) {
  EXPECT_EQ(PopupTextOver(IDC_SBCOLORSEARCH, kTooltipWaitMs), L"tooltips_class32 \"カラー参照\"");
}

// Ends on a speed button so that a tooltip that cannot show at all (the
// window not active, no mouse input) does not pass for "no tooltip".
TEST_F(Tooltips, OtherControlsShowNoneWhileASpeedButtonDoes) {
  const NamedControl kWithout[] = {
      {IDC_LBBITMAP, "lbBitmap"}, {IDC_EDCOLOR, "edColor"}, {IDC_BTOK, "btOk"},
      {IDC_PNNOW, "pnNow"},       {IDC_LABEL5, "Label5"},
  };
  for (const NamedControl& control : kWithout) {
    EXPECT_EQ(PopupTextOver(control.id, kNoTooltipWaitMs), L"") << control.name;
  }
  EXPECT_EQ(PopupTextOver(IDC_SBCOLORSEARCH, kTooltipWaitMs), L"tooltips_class32 \"カラー参照\"");
}

}  // namespace
}  // namespace vm::e2e
