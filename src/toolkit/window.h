#pragma once
// The base of every wrapped window. A wrapper finds itself from its handle
// through a window property, so a parent can hand a child's notifications
// (WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR...) back to the child's own wrapper,
// where the control's events live as callback members.
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

namespace vm::toolkit {

class Wnd;
// An event; the argument is the control that raised it.
using Event = std::function<void(Wnd& sender)>;

// Stands for "the system's colour for this part" where a colour is asked.
constexpr COLORREF kSystemColor = 0xFF000000;

// Position and size in the parent's client coordinates.
struct Bounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

class Wnd {
 public:
  Wnd() = default;
  Wnd(const Wnd&) = delete;
  Wnd& operator=(const Wnd&) = delete;
  virtual ~Wnd();

  HWND Handle() const { return hwnd_; }
  int Id() const { return GetDlgCtrlID(hwnd_); }

  std::string Text() const;
  // The text as the window holds it, without a conversion.
  std::wstring WideText() const;
  void SetText(std::string_view utf8);
  bool Enabled() const { return IsWindowEnabled(hwnd_) != FALSE; }
  void SetEnabled(bool enabled) { EnableWindow(hwnd_, enabled ? TRUE : FALSE); }
  void SetFont(HFONT font) { SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE); }
  void SetFocus() { ::SetFocus(hwnd_); }
  bool Focused() const { return GetFocus() == hwnd_; }
  void SetBounds(const Bounds& bounds);

  // A notification that this window's parent received about it. Returns
  // true, with the answer in `result`, when the wrapper handled it.
  virtual bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  static Wnd* FromHandle(HWND window);

 protected:
  // Ties the handle to this wrapper.
  void Attach(HWND window);
  // For OnReflected: a WM_COMMAND carrying `code` raises `event`.
  bool RaiseOnCommand(UINT message, WPARAM wParam, WORD code, const Event& event,
                      LRESULT& result);
  void Detach();

  HWND hwnd_ = nullptr;
};

// The arguments shared by every child control.
struct ChildArgs {
  HWND parent = nullptr;
  int id = 0;
  Bounds bounds{};
  std::string_view text{};
  DWORD style = 0;
  DWORD exStyle = 0;
};

// Creates a child window of a system class, visible.
HWND CreateChild(const wchar_t* className, const ChildArgs& args);

// A window of a class of our own. Messages go to HandleMessage; whatever
// escapes it is shown by the default error display and never crosses the
// window procedure.
class CustomWindow : public Wnd {
 public:
  ~CustomWindow() override;

 protected:
  struct ClassSpec {
    const wchar_t* name;
    UINT style = 0;
    HBRUSH background = nullptr;
    HICON icon = nullptr;
    HICON smallIcon = nullptr;
  };
  // Registers the class once per name.
  static void Register(const ClassSpec& spec);
  void Create(const wchar_t* className, const ChildArgs& args);

  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd_, message, wParam, lParam);
  }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
};

}  // namespace vm::toolkit
