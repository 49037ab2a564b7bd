// The Tab key walks lbBitmap, btClear, btAllClear, edColor, btOk, btEnd and
// skips disabled controls; at start both clear buttons are disabled.
#include <string>
#include <vector>

#include "program_test.h"
#include "ui/control_ids.h"
#include "user_input.h"
#include "windows_of.h"

namespace vm::e2e {
namespace {

struct Stop {
  int id;
  const char* name;
};

class TabOrder : public ProgramTest {
 protected:
  // Presses the key once per expected stop and checks where the focus lands.
  void ExpectCycle(const std::vector<Stop>& stops, std::initializer_list<WORD> modifiers) {
    ASSERT_TRUE(BringToFront(main_window())) << "the window did not come to the front";
    HWND focus = FocusedWindow();
    ASSERT_EQ(focus, Control(IDC_LBBITMAP)) << "focus starts on " << Name(focus);
    for (const Stop& stop : stops) {
      PressKey(VK_TAB, modifiers);
      focus = FocusAfterMoveFrom(focus);
      EXPECT_EQ(focus, Control(stop.id)) << "expected " << stop.name << ", focus is on " << Name(focus);
      if (focus != Control(stop.id)) return;
    }
  }

  static std::string Name(HWND window) {
    if (!window) return "no window";
    return "id " + std::to_string(GetDlgCtrlID(window)) + " " + testing::PrintToString(Describe(window));
  }
};

TEST_F(TabOrder, TabSkipsTheDisabledClearButtonsAndCyclesForwards) {
  ExpectCycle({{IDC_EDCOLOR, "edColor"},
               {IDC_BTOK, "btOk"},
               {IDC_BTEND, "btEnd"},
               {IDC_LBBITMAP, "lbBitmap"},
               {IDC_EDCOLOR, "edColor"}},
              {});
}

TEST_F(TabOrder, ShiftTabCyclesBackwards) {
  ExpectCycle({{IDC_BTEND, "btEnd"},
               {IDC_BTOK, "btOk"},
               {IDC_EDCOLOR, "edColor"},
               {IDC_LBBITMAP, "lbBitmap"},
               {IDC_BTEND, "btEnd"}},
              {VK_SHIFT});
}

}  // namespace
}  // namespace vm::e2e
