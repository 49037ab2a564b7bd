// With no run in progress, the end button and the window's own close
// commands end the program at once, with exit code 0, asking nothing and
// showing no message.
#include <ostream>
#include <string>

#include "program_test.h"
#include "ui/control_ids.h"
#include "user_input.h"
#include "wait_until.h"
#include "windows_of.h"

namespace vm::e2e {
namespace {

// A process that had a window takes about two seconds to end under Wine,
// even when it returns at once.
constexpr DWORD kEndTimeoutMs = 5000;

struct Ending {
  bool ended = false;
  DWORD exit_code = 0;
  // Every window other than the main window seen while waiting, such as a
  // message box (class #32770).
  std::wstring other_windows;
};

// Waits for the program to end, watching for anything that pops up meanwhile.
Ending WatchUntilEnd(const RunningProgram& program, HWND main_window) {
  Ending ending;
  ending.ended = WaitUntil(
      [&] {
        if (auto exit_code = program.WaitForExit(0)) {
          ending.exit_code = *exit_code;
          return true;
        }
        for (HWND window : VisibleTopLevelWindowsOf(program.process_id())) {
          if (window == main_window) continue;
          const std::wstring seen = Describe(window) + L"; ";
          if (ending.other_windows.find(seen) == std::wstring::npos) ending.other_windows += seen;
        }
        return false;
      },
      kEndTimeoutMs);
  return ending;
}

enum class Way { EndButtonClick, EndButtonMessage, EndButtonSpace, EndButtonEnter, CloseCommand, AltF4 };

struct WayToEnd {
  Way way;
  const char* name;
};

void PrintTo(const WayToEnd& way, std::ostream* out) { *out << way.name; }

class Ends : public ProgramTest, public testing::WithParamInterface<WayToEnd> {
 protected:
  void Act(Way way) {
    switch (way) {
      case Way::EndButtonClick:
        ASSERT_TRUE(BringToFront(main_window()));
        ClickAt(CentreOf(Control(IDC_BTEND)));
        break;
      case Way::EndButtonMessage:
        PostMessageW(Control(IDC_BTEND), BM_CLICK, 0, 0);
        break;
      case Way::EndButtonSpace:
        FocusEndButton();
        PressKey(VK_SPACE);
        break;
      // The focused push button takes Enter, as there is no default button.
      case Way::EndButtonEnter:
        FocusEndButton();
        PressKey(VK_RETURN);
        break;
      // What the close box and the system menu's close command send; a
      // click on the close box itself does not reach a window under Wine
      // without a window manager.
      case Way::CloseCommand:
        PostMessageW(main_window(), WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
      case Way::AltF4:
        ASSERT_TRUE(BringToFront(main_window()));
        PressKey(VK_F4, {VK_MENU});
        break;
    }
  }

  // Shift+Tab from the list, where the focus starts, reaches the end button.
  void FocusEndButton() {
    ASSERT_TRUE(BringToFront(main_window()));
    HWND list = Control(IDC_LBBITMAP);
    ASSERT_TRUE(WaitUntil([&] { return FocusedWindow() == list; }, 2000));
    PressKey(VK_TAB, {VK_SHIFT});
    ASSERT_EQ(FocusAfterMoveFrom(list), Control(IDC_BTEND));
  }
};

TEST_P(Ends, AtOnceWithExitCodeZeroAndNoMessage) {
  Act(GetParam().way);
  if (HasFatalFailure()) return;
  const Ending ending = WatchUntilEnd(program(), main_window());
  EXPECT_TRUE(ending.ended) << "still running after " << kEndTimeoutMs << " ms";
  if (ending.ended) {
    EXPECT_EQ(ending.exit_code, 0u);
  }
  EXPECT_EQ(ending.other_windows, L"") << "shown before the end";
}

INSTANTIATE_TEST_SUITE_P(WithNoRun, Ends,
                         testing::Values(WayToEnd{Way::EndButtonClick, "EndButtonClicked"},
                                         WayToEnd{Way::EndButtonMessage, "EndButtonBmClick"},
                                         WayToEnd{Way::EndButtonSpace, "EndButtonFocusedAndSpace"},
                                         WayToEnd{Way::EndButtonEnter, "EndButtonFocusedAndEnter"},
                                         WayToEnd{Way::CloseCommand, "CloseBoxOrSystemMenuClose"},
                                         WayToEnd{Way::AltF4, "AltF4"}),
                         [](const testing::TestParamInfo<WayToEnd>& info) { return info.param.name; });

}  // namespace
}  // namespace vm::e2e
