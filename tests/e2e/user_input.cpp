#include "user_input.h"

#include <vector>

#include "wait_until.h"

namespace vm::e2e {
namespace {

INPUT KeyInput(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = WORD(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

// Absolute mouse coordinates run from 0 to 65535 over the primary screen.
INPUT MouseInput(POINT screen_point, DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(screen_point.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = MulDiv(screen_point.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
  return input;
}

void Send(std::vector<INPUT> inputs) {
  SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace

bool BringToFront(HWND window) {
  return WaitUntil(
      [&] {
        if (GetForegroundWindow() == window) return true;
        SetForegroundWindow(window);
        return false;
      },
      2000, 50);
}

void PressKey(WORD key, std::initializer_list<WORD> modifiers) {
  std::vector<INPUT> inputs;
  for (WORD modifier : modifiers) inputs.push_back(KeyInput(modifier, false));
  inputs.push_back(KeyInput(key, false));
  inputs.push_back(KeyInput(key, true));
  for (auto modifier = modifiers.end(); modifier != modifiers.begin();) {
    inputs.push_back(KeyInput(*--modifier, true));
  }
  Send(std::move(inputs));
}

void PostChars(HWND control, std::wstring_view characters) {
  for (wchar_t character : characters) PostMessageW(control, WM_CHAR, character, 1);
}

void MovePointerTo(POINT screen_point) {
  SetCursorPos(screen_point.x, screen_point.y);
  Send({MouseInput(screen_point, MOUSEEVENTF_MOVE)});
}

void ClickAt(POINT screen_point) {
  MovePointerTo(screen_point);
  Send({MouseInput(screen_point, MOUSEEVENTF_LEFTDOWN), MouseInput(screen_point, MOUSEEVENTF_LEFTUP)});
}

bool AnswersMessages(HWND window, DWORD timeout_ms) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeout_ms, &result) != 0;
}

}  // namespace vm::e2e
