#pragma once
// The fixture of every end-to-end test: a fresh copy of the program, started
// before the test and ended after it, with its main window found.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "running_program.h"

namespace vm::e2e {

constexpr wchar_t kMainWindowClass[] = L"TMainForm";

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // How the program is started: as from a shortcut set to this show command.
  virtual WORD ShowCommand() const { return SW_SHOWNORMAL; }

  HWND main_window() const { return main_window_; }
  const RunningProgram& program() const { return *program_; }

  // The control with this id; fails the test when there is none.
  HWND Control(int id) const;
  // The visible top-level windows of the program other than the main
  // window: tooltips, message boxes, dialogs.
  std::vector<HWND> OtherVisibleWindows() const;
  // Their classes and texts, empty when there is none.
  std::wstring DescribeOtherVisibleWindows() const;
  // The window that has the keyboard focus in the program's thread.
  HWND FocusedWindow() const;
  // The focus once it has moved away from `from` (or the same window after
  // timeout_ms: key input is handled some time after SendInput returns).
  HWND FocusAfterMoveFrom(HWND from, DWORD timeout_ms = 2000) const;

 private:
  std::unique_ptr<RunningProgram> program_;
  HWND main_window_ = nullptr;
};

}  // namespace vm::e2e
