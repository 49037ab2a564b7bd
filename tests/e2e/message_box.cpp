#include "message_box.h"

#include "user_input.h"
#include "wait_until.h"
#include "windows_of.h"

namespace vm::e2e {
namespace {

constexpr DWORD kCloseTimeoutMs = 3000;

BOOL CALLBACK ReadChild(HWND child, LPARAM context) {
  auto* box = reinterpret_cast<ShownMessageBox*>(context);
  const std::wstring window_class = ClassOf(child);
  if (lstrcmpiW(window_class.c_str(), L"Button") == 0) {
    box->buttons.push_back(GetDlgCtrlID(child));
    if ((GetWindowLongPtrW(child, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
      box->default_button = GetDlgCtrlID(child);
    }
  } else if (lstrcmpiW(window_class.c_str(), L"Static") == 0) {
    // The icon is a static without text; the message is the one with text.
    const std::wstring text = TextOf(child);
    if (text.size() > box->text.size()) box->text = text;
  }
  return TRUE;
}

bool WaitUntilClosed(HWND box) {
  return WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }, kCloseTimeoutMs);
}

}  // namespace

std::optional<ShownMessageBox> WaitForMessageBox(DWORD process_id, DWORD timeout_ms) {
  HWND window = WaitForTopLevelWindow(process_id, L"#32770", timeout_ms);
  if (!window) return std::nullopt;
  ShownMessageBox box;
  box.window = window;
  box.caption = TextOf(window);
  box.owner = GetWindow(window, GW_OWNER);
  EnumChildWindows(window, ReadChild, reinterpret_cast<LPARAM>(&box));
  return box;
}

bool AnswerWithKey(const ShownMessageBox& box, WORD key) {
  if (!BringToFront(box.window)) return false;
  PressKey(key);
  return WaitUntilClosed(box.window);
}

bool AnswerWithButton(const ShownMessageBox& box, int button_id) {
  PostMessageW(GetDlgItem(box.window, button_id), BM_CLICK, 0, 0);
  return WaitUntilClosed(box.window);
}

}  // namespace vm::e2e
