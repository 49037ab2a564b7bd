#pragma once
// Wrappers of the system's standard controls, one small struct each: a
// CreateArgs of defaulted fields, events as callback members.
#include <windows.h>

#include <string>

#include "toolkit/window.h"

namespace vm::toolkit {

class Button : public Wnd {
 public:
  struct CreateArgs {
    HWND parent = nullptr;
    int id = 0;
    Bounds bounds{};
    std::string_view text{};
    bool enabled = true;
  };
  void Create(const CreateArgs& args);
  // Clicks the button as the user would: the click event runs if it is enabled.
  void Click();
  Event onClick;

  bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

// A static text that sizes itself to its text, in its own colour.
class Label : public Wnd {
 public:
  struct CreateArgs {
    HWND parent = nullptr;
    int id = 0;
    int left = 0;
    int top = 0;
    std::string_view text{};
    HFONT font = nullptr;
    COLORREF color = kSystemColor;  // the system's window-text colour
  };
  void Create(const CreateArgs& args);
  bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  COLORREF color_ = kSystemColor;
};

// A picture from the resources, drawn opaque at its own size.
class Image : public Wnd {
 public:
  struct CreateArgs {
    HWND parent = nullptr;
    int id = 0;
    int left = 0;
    int top = 0;
    HBITMAP picture = nullptr;  // stays owned by the caller
  };
  void Create(const CreateArgs& args);
};

class ProgressBar : public Wnd {
 public:
  struct CreateArgs {
    HWND parent = nullptr;
    int id = 0;
    Bounds bounds{};
    int minimum = 0;
    int maximum = 100;
  };
  void Create(const CreateArgs& args);
  int Position() const;
  void SetPosition(int position);
};

}  // namespace vm::toolkit
