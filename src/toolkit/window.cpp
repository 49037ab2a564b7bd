#include "toolkit/window.h"

#include <commctrl.h>

#include <set>

#include "toolkit/application.h"
#include "toolkit/utf16.h"

namespace vm::toolkit {
namespace {

const wchar_t kWrapperProperty[] = L"VellumarkWrapper";

// The child a notification is about, or null for messages that are not
// notifications.
HWND NotifyingChild(UINT message, WPARAM, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
      return reinterpret_cast<HWND>(lParam);
    case WM_NOTIFY:
      return reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
    default:
      return nullptr;
  }
}

HWND CreateFromArgs(const wchar_t* className, const ChildArgs& args, DWORD style, void* param) {
  const Bounds& b = args.bounds;
  return CreateWindowExW(args.exStyle, className, Utf16(args.text).c_str(), style, b.left, b.top,
                         b.width, b.height, args.parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id)),
                         Application::Instance().InstanceHandle(), param);
}

}  // namespace

Wnd::~Wnd() { Detach(); }

std::string Wnd::Text() const { return Utf8(WideText()); }

std::wstring Wnd::WideText() const {
  const int length = GetWindowTextLengthW(hwnd_);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd_, text.data(), length + 1)));
  return text;
}

void Wnd::SetText(std::string_view utf8) { SetWindowTextW(hwnd_, Utf16(utf8).c_str()); }

void Wnd::SetBounds(const Bounds& bounds) {
  MoveWindow(hwnd_, bounds.left, bounds.top, bounds.width, bounds.height, TRUE);
}

bool Wnd::OnReflected(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

Wnd* Wnd::FromHandle(HWND window) {
  return window ? static_cast<Wnd*>(GetPropW(window, kWrapperProperty)) : nullptr;
}

bool Wnd::RaiseOnCommand(UINT message, WPARAM wParam, WORD code, const Event& event,
                         LRESULT& result) {
  if (message != WM_COMMAND || HIWORD(wParam) != code) return false;
  if (event) event(*this);
  result = 0;
  return true;
}

void Wnd::Attach(HWND window) {
  hwnd_ = window;
  SetPropW(window, kWrapperProperty, this);
}

void Wnd::Detach() {
  if (hwnd_ && IsWindow(hwnd_)) RemovePropW(hwnd_, kWrapperProperty);
  hwnd_ = nullptr;
}

HWND CreateChild(const wchar_t* className, const ChildArgs& args) {
  return CreateFromArgs(className, args, WS_CHILD | WS_VISIBLE | args.style, nullptr);
}

CustomWindow::~CustomWindow() {
  if (hwnd_ && IsWindow(hwnd_)) SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
}

void CustomWindow::Register(const ClassSpec& spec) {
  static std::set<std::wstring> registered;
  if (!registered.insert(spec.name).second) return;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = spec.style;
  windowClass.lpfnWndProc = &CustomWindow::Procedure;
  windowClass.hInstance = Application::Instance().InstanceHandle();
  windowClass.hIcon = spec.icon;
  windowClass.hIconSm = spec.smallIcon;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = spec.background;
  windowClass.lpszClassName = spec.name;
  RegisterClassExW(&windowClass);
}

// A top-level window (no parent) stays hidden until it is shown.
void CustomWindow::Create(const wchar_t* className, const ChildArgs& args) {
  const DWORD visible = args.parent ? WS_VISIBLE : 0;
  CreateFromArgs(className, args, args.style | visible, this);
}

LRESULT CustomWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return Default(message, wParam, lParam);
}

LRESULT CALLBACK CustomWindow::Procedure(HWND window, UINT message, WPARAM wParam,
                                         LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<CustomWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->Attach(window);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<CustomWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  LRESULT result = 0;
  try {
    result = self->Dispatch(message, wParam, lParam);
  } catch (...) {
    ShowCurrentException();
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->Detach();
  }
  return result;
}

// Notifications about a child go first to the child's wrapper.
LRESULT CustomWindow::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  if (Wnd* child = FromHandle(NotifyingChild(message, wParam, lParam)); child && child != this) {
    LRESULT result = 0;
    if (child->OnReflected(message, wParam, lParam, result)) return result;
  }
  return HandleMessage(message, wParam, lParam);
}

}  // namespace vm::toolkit
