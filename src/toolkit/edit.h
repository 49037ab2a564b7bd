#pragma once
// A single-line edit with a limit on what the user types, a change event and
// a leave event.
#include <windows.h>

#include "toolkit/window.h"

namespace vm::toolkit {

class Edit : public Wnd {
 public:
  struct CreateArgs {
    HWND parent = nullptr;
    int id = 0;
    Bounds bounds{};
    std::string_view text{};
    int maxLength = 0;  // 0: no limit of our own
  };
  ~Edit() override;
  void Create(const CreateArgs& args);

  // Setting the text it already has changes nothing and raises no event;
  // any other text raises onChange before this returns.
  void SetText(std::string_view utf8);

  // Every change of the text, by the user or the program.
  Event onChange;
  // The keyboard focus went from the edit to another control of the same
  // top-level window. Not raised when the window itself loses the focus
  // (another program, a message box, a dialog): the edit has not been left.
  Event onExit;

  bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  static LRESULT CALLBACK Subclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  WNDPROC original_ = nullptr;
};

}  // namespace vm::toolkit
