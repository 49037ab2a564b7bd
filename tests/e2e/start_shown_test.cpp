// The window follows the show command the program was started with, as from
// a shortcut set to run minimised or maximised.
#include "program_test.h"

namespace vm::e2e {
namespace {

struct ShowCase {
  WORD show_command;
  const char* name;
  bool minimised;
  bool maximised;
};

void PrintTo(const ShowCase& show, std::ostream* out) { *out << show.name; }

class StartShown : public ProgramTest, public testing::WithParamInterface<ShowCase> {
 protected:
  WORD ShowCommand() const override { return GetParam().show_command; }
};

TEST_P(StartShown, AsTheShortcutAsks) {
  EXPECT_EQ(IsIconic(main_window()) != FALSE, GetParam().minimised);
  EXPECT_EQ(IsZoomed(main_window()) != FALSE, GetParam().maximised);
}

INSTANTIATE_TEST_SUITE_P(Shortcut, StartShown,
                         testing::Values(ShowCase{SW_SHOWNORMAL, "Normal", false, false},
                                         ShowCase{SW_SHOWMINNOACTIVE, "Minimised", true, false},
                                         ShowCase{SW_SHOWMAXIMIZED, "Maximised", false, true}),
                         [](const testing::TestParamInfo<ShowCase>& info) { return info.param.name; });

}  // namespace
}  // namespace vm::e2e
