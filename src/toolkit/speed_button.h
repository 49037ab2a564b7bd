#pragma once
// A flat button with a glyph, as on a tool bar: it never takes the keyboard
// focus, shows a border only while the pointer is over it, looks pressed
// while held down, and clicks when released over itself.
#include <windows.h>

#include "toolkit/gdi.h"
#include "toolkit/window.h"

namespace vm::toolkit {

class SpeedButton : public CustomWindow {
 public:
  struct CreateArgs {
    HWND parent = nullptr;
    int id = 0;
    Bounds bounds{};
    HBITMAP glyph = nullptr;  // copied; pixels of `transparent` are not drawn
    COLORREF transparent = RGB(0, 255, 0);
  };
  void Create(const CreateArgs& args);
  Event onClick;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnMouseMove(POINT at);
  void OnButtonDown();
  void OnButtonUp(POINT at);
  void Paint(HDC dc);
  void DrawGlyph(HDC dc, int left, int top);
  bool Contains(POINT at) const;
  void Redraw() { InvalidateRect(hwnd_, nullptr, FALSE); }

  BitmapHandle glyph_;
  BitmapHandle greyedGlyph_;
  SIZE glyphSize_{};
  COLORREF transparent_ = RGB(0, 255, 0);
  bool hot_ = false;      // the pointer is over the button
  bool held_ = false;     // the left button went down on it and is still down
  bool pressed_ = false;  // held and the pointer is over it
};

}  // namespace vm::toolkit
