#pragma once
// Finding and reading the windows of another process. Texts are read with
// WM_GETTEXT, which the system carries across processes (GetWindowText only
// reads the stored caption of a foreign window, not a control's content).
#include <windows.h>

#include <string>
#include <vector>

namespace vm::e2e {

// The top-level windows that belong to process_id, in z-order.
std::vector<HWND> TopLevelWindowsOf(DWORD process_id);
std::vector<HWND> VisibleTopLevelWindowsOf(DWORD process_id);

// The visible top-level window of process_id with the class window_class,
// once it exists; nullptr after timeout_ms.
HWND WaitForTopLevelWindow(DWORD process_id, const wchar_t* window_class, DWORD timeout_ms);

// The descendant of root (at any depth) whose control id is id, or nullptr.
HWND FindControl(HWND root, int id);

std::wstring TextOf(HWND window);
std::wstring ClassOf(HWND window);
// "class \"text\"", for messages that name an unexpected window.
std::wstring Describe(HWND window);

RECT ScreenRectOf(HWND window);
POINT CentreOf(HWND window);

}  // namespace vm::e2e
