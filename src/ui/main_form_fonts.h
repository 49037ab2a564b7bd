#pragma once
// The window font and its bold variant, at the screen's pixels per inch.
#include <windows.h>

#include "toolkit/gdi.h"

namespace vm::ui {

// The text height of the window font on a screen of 96 pixels per inch.
constexpr int kFontPixels = 12;

toolkit::FontHandle MakeWindowFont(int dpi, bool bold);
int ScreenDpi();

}  // namespace vm::ui
