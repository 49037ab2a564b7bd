#pragma once
// A top-level window of fixed size, centred on the screen, with the
// application's icon and a font that its controls take over. It keeps the
// keyboard focus on the control that had it when the window was left.
#include <windows.h>

#include "toolkit/window.h"

namespace vm::toolkit {

class Form : public CustomWindow {
 public:
  struct CreateArgs {
    const wchar_t* className = nullptr;
    std::string_view caption;
    int clientWidth = 0;
    int clientHeight = 0;
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  };
  ~Form() override;

  void Create(const CreateArgs& args);
  // The control that takes the focus whenever the window is activated again.
  void SetActiveControl(HWND control) { activeControl_ = control; }
  // Closing the main window ends the program: the quit request is posted
  // and the window stays as it is until the main loop has taken it.
  void Close();
  void Destroy();

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnActivate(WPARAM wParam);
  bool RestoreFocus();
  void ClickFocusedButton();

  HWND activeControl_ = nullptr;
};

}  // namespace vm::toolkit
