#include "toolkit/speed_button.h"

#include <windowsx.h>

#include "toolkit/glyph.h"

namespace vm::toolkit {

void SpeedButton::Create(const CreateArgs& args) {
  transparent_ = args.transparent;
  if (args.glyph) {
    glyph_ = CopyGlyph(args.glyph, glyphSize_);
    greyedGlyph_ = GreyedGlyph(args.glyph, args.transparent);
  }
  Register({L"VellumarkSpeedButton"});
  CustomWindow::Create(L"VellumarkSpeedButton", {args.parent, args.id, args.bounds, {}, WS_CHILD});
}

LRESULT SpeedButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  switch (message) {
    case WM_MOUSEMOVE:
      OnMouseMove(at);
      return 0;
    case WM_MOUSELEAVE:
      hot_ = false;
      Redraw();
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      OnButtonDown();
      return 0;
    case WM_LBUTTONUP:
      OnButtonUp(at);
      return 0;
    case WM_CAPTURECHANGED:
      held_ = pressed_ = false;
      Redraw();
      return 0;
    case WM_ENABLE:
      if (!wParam) hot_ = held_ = pressed_ = false;
      Redraw();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PaintDc dc(hwnd_);
      Paint(dc.get());
      return 0;
    }
    default:
      return Default(message, wParam, lParam);
  }
}

void SpeedButton::OnMouseMove(POINT at) {
  if (!hot_ && Enabled()) {
    hot_ = true;
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd_, 0};
    TrackMouseEvent(&track);
    Redraw();
  }
  if (held_ && pressed_ != Contains(at)) {
    pressed_ = !pressed_;
    Redraw();
  }
}

// The focus stays where it was: a speed button never takes it.
void SpeedButton::OnButtonDown() {
  if (!Enabled()) return;
  held_ = pressed_ = true;
  SetCapture(hwnd_);
  Redraw();
}

void SpeedButton::OnButtonUp(POINT at) {
  if (!held_) return;
  const bool click = Contains(at);
  held_ = pressed_ = false;
  ReleaseCapture();
  hot_ = click;
  Redraw();
  UpdateWindow(hwnd_);
  if (click && onClick) onClick(*this);
}

bool SpeedButton::Contains(POINT at) const {
  RECT area;
  GetClientRect(hwnd_, &area);
  return PtInRect(&area, at) != FALSE;
}

void SpeedButton::Paint(HDC dc) {
  RECT area;
  GetClientRect(hwnd_, &area);
  FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  if (pressed_) {
    DrawEdge(dc, &area, BDR_SUNKENOUTER, BF_RECT);
  } else if (hot_ && Enabled()) {
    DrawEdge(dc, &area, BDR_RAISEDINNER, BF_RECT);
  }
  // Glyph centred across, at the bottom of the face with no spacing to a
  // caption: the margin below it equals the space left over, halved.
  const int left = (area.right - glyphSize_.cx + 1) / 2;
  const int top = area.bottom - glyphSize_.cy - (area.bottom - glyphSize_.cy) / 2;
  DrawGlyph(dc, left + (pressed_ ? 1 : 0), top + (pressed_ ? 1 : 0));
}

void SpeedButton::DrawGlyph(HDC dc, int left, int top) {
  const bool enabled = Enabled();
  const HBITMAP picture = enabled ? glyph_.get() : greyedGlyph_.get();
  if (!picture) return;
  const int extra = enabled ? 0 : 1;
  MemoryDc source(dc);
  Selection selected(source.get(), picture);
  TransparentBlt(dc, left, top, glyphSize_.cx + extra, glyphSize_.cy + extra, source.get(), 0, 0,
                 glyphSize_.cx + extra, glyphSize_.cy + extra, transparent_);
}

}  // namespace vm::toolkit
