#include "bmp_fixture.h"

namespace vm::e2e {
namespace {

void Put16(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
  bytes.push_back(std::uint8_t(value));
  bytes.push_back(std::uint8_t(value >> 8));
}

void Put32(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
  Put16(bytes, value & 0xFFFF);
  Put16(bytes, value >> 16);
}

}  // namespace

std::vector<std::uint8_t> Bitmap24(int width, const std::vector<std::uint32_t>& pixels_from_top) {
  const int height = int(pixels_from_top.size()) / width;
  const std::uint32_t row_size = (std::uint32_t(width) * 3 + 3) / 4 * 4;
  const std::uint32_t image_size = row_size * std::uint32_t(height);
  std::vector<std::uint8_t> bmp = {'B', 'M'};
  Put32(bmp, 54 + image_size);  // file size
  Put32(bmp, 0);                // reserved
  Put32(bmp, 54);               // offset of the pixels
  Put32(bmp, 40);               // info header size
  Put32(bmp, std::uint32_t(width));
  Put32(bmp, std::uint32_t(height));  // positive: rows stored bottom-up
  Put16(bmp, 1);                      // planes
  Put16(bmp, 24);                     // bits per pixel
  Put32(bmp, 0);                      // BI_RGB
  Put32(bmp, image_size);
  Put32(bmp, 0);  // horizontal resolution
  Put32(bmp, 0);  // vertical resolution
  Put32(bmp, 0);  // colours used
  Put32(bmp, 0);  // important colours
  for (int row = height - 1; row >= 0; --row) {
    for (int column = 0; column < width; ++column) {
      const std::uint32_t rgb = pixels_from_top[std::size_t(row) * width + column];
      bmp.push_back(std::uint8_t(rgb));        // blue
      bmp.push_back(std::uint8_t(rgb >> 8));   // green
      bmp.push_back(std::uint8_t(rgb >> 16));  // red
    }
    for (std::uint32_t pad = std::uint32_t(width) * 3; pad < row_size; ++pad) bmp.push_back(0);
  }
  return bmp;
}

std::vector<std::uint8_t> BlackColumnBitmap(int rows) {
  return Bitmap24(1, std::vector<std::uint32_t>(std::size_t(rows), 0x000000));
}

std::vector<std::uint8_t> MaskOf(std::initializer_list<MaskRect> rects) {
  std::vector<std::uint8_t> bytes;
  for (const MaskRect& rect : rects) {
    for (std::int32_t value : {rect.left, rect.top, rect.right, rect.bottom}) {
      Put32(bytes, std::uint32_t(value));
    }
  }
  return bytes;
}

std::vector<std::uint8_t> MaskOfBlackColumn(int rows) {
  std::vector<std::uint8_t> bytes;
  for (int row = 0; row < rows; ++row) {
    for (std::int32_t value : {0, row, 1, row + 1}) Put32(bytes, std::uint32_t(value));
  }
  return bytes;
}

}  // namespace vm::e2e
