#include "toolkit/panel.h"

#include <string>

#include "toolkit/gdi.h"

namespace vm::toolkit {
namespace {

COLORREF Resolve(COLORREF color, int systemColor) {
  return color == kSystemColor ? GetSysColor(systemColor) : color;
}

}  // namespace

void Panel::Create(const CreateArgs& args) {
  background_ = args.background;
  textColor_ = args.textColor;
  loweredBevel_ = args.loweredBevel;
  alignment_ = args.alignment;
  Register({L"VellumarkPanel"});
  CustomWindow::Create(L"VellumarkPanel",
                       {args.parent, args.id, args.bounds, args.text, WS_CHILD | WS_CLIPCHILDREN});
}

void Panel::SetColor(std::int32_t colorValue) {
  background_ = colorValue < 0 ? GetSysColor(colorValue & 0xFF)
                               : static_cast<COLORREF>(colorValue) & 0xFFFFFF;
  InvalidateRect(hwnd_, nullptr, TRUE);
}

LRESULT Panel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT fills every pixel
    case WM_PAINT: {
      PaintDc dc(hwnd_);
      Paint(dc.get());
      return 0;
    }
    case WM_SETFONT:
      font_ = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(lParam)) InvalidateRect(hwnd_, nullptr, TRUE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    case WM_SETTEXT: {
      const LRESULT result = Default(message, wParam, lParam);
      InvalidateRect(hwnd_, nullptr, TRUE);
      return result;
    }
    default:
      return Default(message, wParam, lParam);
  }
}

// Bevel first, then the face inside it, then the caption centred vertically
// on one line.
void Panel::Paint(HDC dc) {
  RECT area;
  GetClientRect(hwnd_, &area);
  if (loweredBevel_) DrawEdge(dc, &area, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
  BrushHandle face(CreateSolidBrush(Resolve(background_, COLOR_BTNFACE)));
  FillRect(dc, &area, face.get());

  const std::wstring text = WideText();
  if (text.empty()) return;
  Selection font(dc, font_ ? font_ : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, Resolve(textColor_, COLOR_WINDOWTEXT));
  const UINT horizontal = alignment_ == Alignment::Left ? DT_LEFT : DT_CENTER;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area,
            horizontal | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_EXPANDTABS);
}

}  // namespace vm::toolkit
