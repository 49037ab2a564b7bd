#include "windows_of.h"

#include "wait_until.h"

namespace vm::e2e {
namespace {

// A program that hangs must fail the test, not hang the driver.
constexpr UINT kSendTimeoutMs = 2000;

struct ProcessWindows {
  DWORD process_id;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectIfOwned(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<ProcessWindows*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->process_id) search->found.push_back(window);
  return TRUE;
}

struct ControlSearch {
  int id;
  HWND found;
};

BOOL CALLBACK StopAtId(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<ControlSearch*>(context);
  if (GetDlgCtrlID(window) != search->id) return TRUE;
  search->found = window;
  return FALSE;
}

}  // namespace

std::vector<HWND> TopLevelWindowsOf(DWORD process_id) {
  ProcessWindows search{process_id, {}};
  EnumWindows(CollectIfOwned, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<HWND> VisibleTopLevelWindowsOf(DWORD process_id) {
  std::vector<HWND> visible;
  for (HWND window : TopLevelWindowsOf(process_id)) {
    if (IsWindowVisible(window)) visible.push_back(window);
  }
  return visible;
}

HWND WaitForTopLevelWindow(DWORD process_id, const wchar_t* window_class, DWORD timeout_ms) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        for (HWND window : VisibleTopLevelWindowsOf(process_id)) {
          if (ClassOf(window) == window_class) found = window;
        }
        return found != nullptr;
      },
      timeout_ms, 50);
  return found;
}

HWND FindControl(HWND root, int id) {
  ControlSearch search{id, nullptr};
  EnumChildWindows(root, StopAtId, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::wstring TextOf(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                           &length)) {
    return L"<no answer>";
  }
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                      SMTO_ABORTIFHUNG, kSendTimeoutMs, &copied);
  text.resize(copied);
  return text;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

std::wstring Describe(HWND window) { return ClassOf(window) + L" \"" + TextOf(window) + L"\""; }

RECT ScreenRectOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

POINT CentreOf(HWND window) {
  const RECT rect = ScreenRectOf(window);
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

}  // namespace vm::e2e
