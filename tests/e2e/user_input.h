#pragma once
// Input as a user gives it: keys and the mouse through SendInput, which the
// system delivers to the foreground window, plus typed characters posted
// straight to a control.
#include <windows.h>

#include <initializer_list>
#include <string_view>

namespace vm::e2e {

// Makes window the foreground window; false when it did not become so.
bool BringToFront(HWND window);

// Presses and releases key while the modifiers are held (VK_SHIFT, VK_MENU...).
void PressKey(WORD key, std::initializer_list<WORD> modifiers = {});

// Posts one WM_CHAR per character to the control, as typing into it does.
void PostChars(HWND control, std::wstring_view characters);

// Moves the pointer to a point on the screen, with the mouse-move input
// that hover effects such as tooltips react to.
void MovePointerTo(POINT screen_point);
void ClickAt(POINT screen_point);

// Returns once window's thread has handled every message sent to it before,
// false when it did not answer within timeout_ms. Sent messages overtake
// posted and input messages: this tells nothing about those.
bool AnswersMessages(HWND window, DWORD timeout_ms = 2000);

}  // namespace vm::e2e
