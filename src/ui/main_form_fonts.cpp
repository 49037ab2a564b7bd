#include "ui/main_form_fonts.h"

#include <string>

#include "toolkit/utf16.h"

namespace vm::ui {

// A proportional Japanese sans-serif face in Shift-JIS. The height is
// negative: it gives the height of the characters, not of the cell.
toolkit::FontHandle MakeWindowFont(int dpi, bool bold) {
  const std::wstring face = toolkit::Utf16("ＭＳ Ｐゴシック");
  return toolkit::FontHandle(CreateFontW(-MulDiv(kFontPixels, dpi, 96), 0, 0, 0,
                                         bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                         SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                         DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, face.c_str()));
}

int ScreenDpi() {
  toolkit::WindowDc screen(nullptr);
  return GetDeviceCaps(screen.get(), LOGPIXELSY);
}

}  // namespace vm::ui
