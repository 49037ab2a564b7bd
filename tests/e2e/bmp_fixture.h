#pragma once
// Small bitmaps written field by field, and the mask files they give.
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace vm::e2e {

struct MaskRect {
  std::int32_t left, top, right, bottom;
};

// A 24-bit bitmap, rows given from the top as 0xRRGGBB values.
std::vector<std::uint8_t> Bitmap24(int width, const std::vector<std::uint32_t>& pixels_from_top);
// One black pixel per row: one rectangle per row.
std::vector<std::uint8_t> BlackColumnBitmap(int rows);

// Left, Top, Right, Bottom, signed 32-bit little-endian each.
std::vector<std::uint8_t> MaskOf(std::initializer_list<MaskRect> rects);
// The mask of the first `rows` rows of BlackColumnBitmap.
std::vector<std::uint8_t> MaskOfBlackColumn(int rows);

}  // namespace vm::e2e
