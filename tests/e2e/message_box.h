#pragma once
// The program's message boxes as seen from outside: their caption, text and
// buttons, and answering them with a key as the user does.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace vm::e2e {

struct ShownMessageBox {
  HWND window = nullptr;
  std::wstring caption;
  std::wstring text;
  std::vector<int> buttons;  // control ids in z-order: IDOK, IDYES, IDNO...
  int default_button = 0;    // the push button drawn as the default one
  HWND owner = nullptr;
};

// The first visible dialog box (class #32770) of process_id, once it shows.
std::optional<ShownMessageBox> WaitForMessageBox(DWORD process_id, DWORD timeout_ms);

// Brings the box to the front, presses key and waits until the box is gone.
bool AnswerWithKey(const ShownMessageBox& box, WORD key);
// Clicks the box's button with this id and waits until the box is gone.
bool AnswerWithButton(const ShownMessageBox& box, int button_id);

}  // namespace vm::e2e
