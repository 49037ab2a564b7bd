#include "toolkit/form.h"

#include "toolkit/application.h"
#include "toolkit/controls.h"

namespace vm::toolkit {
namespace {

RECT CentredOnScreen(int clientWidth, int clientHeight, DWORD style) {
  RECT frame{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&frame, style, FALSE, 0);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  return {left, top, left + width, top + height};
}

}  // namespace

Form::~Form() { Destroy(); }

void Form::Create(const CreateArgs& args) {
  Application& application = Application::Instance();
  Register({args.className, 0, GetSysColorBrush(COLOR_BTNFACE), application.Icon(),
            application.SmallIcon()});
  const RECT frame = CentredOnScreen(args.clientWidth, args.clientHeight, args.style);
  CustomWindow::Create(args.className, {nullptr, 0,
                                        {frame.left, frame.top, frame.right - frame.left,
                                         frame.bottom - frame.top},
                                        args.caption, args.style | WS_CLIPCHILDREN,
                                        WS_EX_CONTROLPARENT});
  application.SetMainWindow(hwnd_);
}

void Form::Close() {
  if (Application::Instance().MainWindow() == hwnd_) {
    Application::Instance().Terminate();
  } else {
    ShowWindow(hwnd_, SW_HIDE);
  }
}

void Form::Destroy() {
  if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      Close();
      return 0;
    case WM_ACTIVATE:
      OnActivate(wParam);
      return 0;
    case WM_SETFOCUS:
      RestoreFocus();
      return 0;
    case WM_COMMAND:
      // Enter, by way of the dialog keys, asks for IDOK: there is no
      // default button, so only a focused push button answers.
      if (LOWORD(wParam) == IDOK && lParam == 0) ClickFocusedButton();
      return 0;
    default:
      return Default(message, wParam, lParam);
  }
}

void Form::OnActivate(WPARAM wParam) {
  if (LOWORD(wParam) == WA_INACTIVE) {
    const HWND focus = GetFocus();
    if (focus && IsChild(hwnd_, focus)) activeControl_ = focus;
  } else if (!HIWORD(wParam) && !RestoreFocus()) {
    // No control can take it (all disabled during a run): the window keeps
    // the keyboard, so its own keys (Alt+F4, Alt+Space) still work.
    ::SetFocus(hwnd_);
  }
}

bool Form::RestoreFocus() {
  if (!activeControl_ || !IsWindow(activeControl_) || !IsWindowEnabled(activeControl_) ||
      !IsWindowVisible(activeControl_)) {
    return false;
  }
  ::SetFocus(activeControl_);
  return true;
}

// Only our own push buttons carry a Button wrapper.
void Form::ClickFocusedButton() {
  if (auto* button = dynamic_cast<Button*>(FromHandle(GetFocus()))) button->Click();
}

}  // namespace vm::toolkit
