#include "toolkit/edit.h"

#include "toolkit/application.h"

namespace vm::toolkit {

Edit::~Edit() {
  if (hwnd_ && original_ && IsWindow(hwnd_))
    SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
}

void Edit::Create(const CreateArgs& args) {
  Attach(CreateChild(L"EDIT", {args.parent, args.id, args.bounds, args.text,
                               WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE}));
  if (args.maxLength > 0) SendMessageW(hwnd_, EM_LIMITTEXT, args.maxLength, 0);
  original_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Edit::Subclass)));
}

void Edit::SetText(std::string_view utf8) {
  if (Text() != utf8) Wnd::SetText(utf8);
}

bool Edit::OnReflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  return RaiseOnCommand(message, wParam, EN_CHANGE, onChange, result);
}

// WM_KILLFOCUS names the window that receives the focus; only a move to
// another window inside the same top-level window leaves the edit.
LRESULT CALLBACK Edit::Subclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = static_cast<Edit*>(FromHandle(window));
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  const LRESULT result = CallWindowProcW(self->original_, window, message, wParam, lParam);
  if (message == WM_KILLFOCUS) {
    const HWND next = reinterpret_cast<HWND>(wParam);
    const HWND top = GetAncestor(window, GA_ROOT);
    if (next && next != top && IsChild(top, next) && self->onExit) {
      try {
        self->onExit(*self);
      } catch (...) {
        ShowCurrentException();
      }
    }
  }
  return result;
}

}  // namespace vm::toolkit
