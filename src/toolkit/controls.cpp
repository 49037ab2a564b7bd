#include "toolkit/controls.h"

#include <commctrl.h>

#include "toolkit/gdi.h"
#include "toolkit/utf16.h"

namespace vm::toolkit {

void Button::Create(const CreateArgs& args) {
  Attach(CreateChild(L"BUTTON", {args.parent, args.id, args.bounds, args.text,
                                 WS_TABSTOP | BS_PUSHBUTTON | BS_TEXT | BS_NOTIFY}));
  SetEnabled(args.enabled);
}

void Button::Click() {
  if (Enabled() && onClick) onClick(*this);
}

// With the focus a push button looks like the default one, and Enter
// (through the dialog keys) clicks it; there is no default button otherwise.
bool Button::OnReflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  if (message != WM_COMMAND) return false;
  switch (HIWORD(wParam)) {
    case BN_CLICKED:
      if (onClick) onClick(*this);
      break;
    case BN_SETFOCUS:
      SendMessageW(hwnd_, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
      break;
    case BN_KILLFOCUS:
      SendMessageW(hwnd_, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
      break;
    default:
      return false;
  }
  result = 0;
  return true;
}

void Label::Create(const CreateArgs& args) {
  color_ = args.color;
  const std::wstring text = Utf16(args.text);
  SIZE size{};
  {
    WindowDc screen(nullptr);
    Selection font(screen.get(), args.font);
    GetTextExtentPoint32W(screen.get(), text.c_str(), static_cast<int>(text.size()), &size);
  }
  Attach(CreateChild(L"STATIC", {args.parent, args.id, {args.left, args.top, size.cx, size.cy},
                                 args.text, SS_LEFT | SS_NOPREFIX}));
  SetFont(args.font);
}

// Labels are drawn on the parent's button face, in their own colour.
bool Label::OnReflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  if (message != WM_CTLCOLORSTATIC) return false;
  const HDC dc = reinterpret_cast<HDC>(wParam);
  SetTextColor(dc, color_ == kSystemColor ? GetSysColor(COLOR_WINDOWTEXT) : color_);
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
  return true;
}

void Image::Create(const CreateArgs& args) {
  BITMAP info{};
  GetObjectW(args.picture, sizeof info, &info);
  Attach(CreateChild(L"STATIC", {args.parent, args.id, {args.left, args.top, info.bmWidth,
                                 info.bmHeight}, {}, SS_BITMAP}));
  SendMessageW(hwnd_, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(args.picture));
}

void ProgressBar::Create(const CreateArgs& args) {
  Attach(CreateChild(PROGRESS_CLASSW, {args.parent, args.id, args.bounds, {}, 0}));
  SendMessageW(hwnd_, PBM_SETRANGE32, args.minimum, args.maximum);
  SetPosition(args.minimum);
}

int ProgressBar::Position() const {
  return static_cast<int>(SendMessageW(hwnd_, PBM_GETPOS, 0, 0));
}

void ProgressBar::SetPosition(int position) { SendMessageW(hwnd_, PBM_SETPOS, position, 0); }

}  // namespace vm::toolkit
