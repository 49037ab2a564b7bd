#pragma once
// Copies of a glyph bitmap as 32-bit pictures: as it is, and greyed for a
// disabled button (embossed in the system's highlight and shadow colours).
#include <windows.h>

#include "toolkit/gdi.h"

namespace vm::toolkit {

BitmapHandle CopyGlyph(HBITMAP glyph, SIZE& size);
// One pixel larger in each direction than the glyph, for the emboss.
BitmapHandle GreyedGlyph(HBITMAP glyph, COLORREF transparent);

}  // namespace vm::toolkit
