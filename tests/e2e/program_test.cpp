#include "program_test.h"

#include "program_path.h"
#include "user_input.h"
#include "wait_until.h"
#include "windows_of.h"

namespace vm::e2e {
namespace {

// Generous: the first start of a Wine prefix alone takes many seconds.
constexpr DWORD kStartTimeoutMs = 30000;

}  // namespace

void ProgramTest::SetUp() {
  // A pointer left over a control by an earlier test would show its tooltip.
  MovePointerTo({0, 0});
  program_ = std::make_unique<RunningProgram>(ProgramPath(), ShowCommand());
  program_->WaitForInputIdle(kStartTimeoutMs);
  main_window_ = WaitForTopLevelWindow(program_->process_id(), kMainWindowClass, kStartTimeoutMs);
  ASSERT_NE(main_window_, nullptr) << "no visible window of class TMainForm appeared";
  ASSERT_TRUE(AnswersMessages(main_window_)) << "the program does not answer";
}

void ProgramTest::TearDown() { program_.reset(); }

HWND ProgramTest::Control(int id) const {
  HWND control = FindControl(main_window_, id);
  EXPECT_NE(control, nullptr) << "no control with id " << id;
  return control;
}

std::vector<HWND> ProgramTest::OtherVisibleWindows() const {
  std::vector<HWND> others;
  for (HWND window : VisibleTopLevelWindowsOf(program_->process_id())) {
    if (window != main_window_) others.push_back(window);
  }
  return others;
}

std::wstring ProgramTest::DescribeOtherVisibleWindows() const {
  std::wstring shown;
  for (HWND window : OtherVisibleWindows()) shown += (shown.empty() ? L"" : L"; ") + Describe(window);
  return shown;
}

HWND ProgramTest::FocusedWindow() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(main_window_, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

HWND ProgramTest::FocusAfterMoveFrom(HWND from, DWORD timeout_ms) const {
  WaitUntil([&] { return FocusedWindow() != from; }, timeout_ms);
  AnswersMessages(main_window_);
  return FocusedWindow();
}

}  // namespace vm::e2e
