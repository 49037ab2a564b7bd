#include "toolkit/glyph.h"

#include <cstdint>
#include <vector>

namespace vm::toolkit {
namespace {

using Pixels = std::vector<std::uint32_t>;  // 0x00RRGGBB, top row first

BITMAPINFO TopDown32(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

SIZE SizeOf(HBITMAP bitmap) {
  BITMAP info{};
  GetObjectW(bitmap, sizeof info, &info);
  return {info.bmWidth, info.bmHeight};
}

Pixels ReadPixels(HBITMAP bitmap, SIZE size) {
  Pixels pixels(static_cast<std::size_t>(size.cx) * size.cy);
  BITMAPINFO info = TopDown32(size.cx, size.cy);
  WindowDc screen(nullptr);
  GetDIBits(screen.get(), bitmap, 0, size.cy, pixels.data(), &info, DIB_RGB_COLORS);
  return pixels;
}

BitmapHandle MakeBitmap(const Pixels& pixels, SIZE size) {
  BITMAPINFO info = TopDown32(size.cx, size.cy);
  void* bits = nullptr;
  BitmapHandle bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (bitmap && bits) std::copy(pixels.begin(), pixels.end(), static_cast<std::uint32_t*>(bits));
  return bitmap;
}

std::uint32_t Rgb32(COLORREF color) {
  return (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
}

// Dark enough to count as drawn ink in the greyed picture; light pixels
// (highlights, the paper) drop out as on a monochrome copy.
bool IsInk(std::uint32_t pixel) {
  const unsigned red = (pixel >> 16) & 0xFF, green = (pixel >> 8) & 0xFF, blue = pixel & 0xFF;
  return red * 30 + green * 59 + blue * 11 < 192 * 100;
}

}  // namespace

BitmapHandle CopyGlyph(HBITMAP glyph, SIZE& size) {
  size = SizeOf(glyph);
  return MakeBitmap(ReadPixels(glyph, size), size);
}

BitmapHandle GreyedGlyph(HBITMAP glyph, COLORREF transparent) {
  const SIZE size = SizeOf(glyph);
  const Pixels source = ReadPixels(glyph, size);
  const SIZE larger{size.cx + 1, size.cy + 1};
  const std::uint32_t clear = Rgb32(transparent);
  Pixels greyed(static_cast<std::size_t>(larger.cx) * larger.cy, clear);
  // Every ink pixel of the glyph, stamped in one colour at an offset.
  const auto stamp = [&](int offset, std::uint32_t colour) {
    for (int y = 0; y < size.cy; ++y) {
      for (int x = 0; x < size.cx; ++x) {
        const std::uint32_t pixel = source[static_cast<std::size_t>(y) * size.cx + x];
        if (pixel == clear || !IsInk(pixel)) continue;
        greyed[static_cast<std::size_t>(y + offset) * larger.cx + x + offset] = colour;
      }
    }
  };
  // Highlight below right first, then the shadow on top of it.
  stamp(1, Rgb32(GetSysColor(COLOR_BTNHIGHLIGHT)));
  stamp(0, Rgb32(GetSysColor(COLOR_BTNSHADOW)));
  return MakeBitmap(greyed, larger);
}

}  // namespace vm::toolkit
