#pragma once
// Reading and checking the headers of a BMP file: file header, core or info
// header, channel masks and colour table. Everything the pixel decoding needs
// comes out as one Layout whose sizes are already checked, so nothing after
// this point has to distrust the header.
//
// Checks, in order: 1 to 13 bytes (TooShort); no "BM" (NotBmp); a header
// size other than 12, 40, 108, 124 (Unsupported); a file ending inside its
// header, planes not 1, a negative width (BadHeader); a depth and
// compression the loader does not read, run-length data stored top row
// first (Unsupported); a width or height beyond 2^31 - 1, or rows of the
// file's own depth (at least 4 bytes each) that need more than 1 GiB
// (TooLarge); a file ending inside the channel masks or the colour table
// (Truncated). A width or height of 0 loads. The image-size field plays no
// part: plain rows are placed by width and depth, and run-length data runs
// to the end of the file.
#include <array>
#include <cstddef>
#include <cstdint>

namespace vm::bmp {

enum class Encoding { Plain, Rle8, Rle4 };

// Image storage that no 32-bit process could have: refused as too large.
constexpr uint64_t kMaxImageBytes = uint64_t{1} << 30;

struct Layout {
  uint32_t width = 0;
  uint32_t height = 0;   // the absolute value of the stored height
  bool topDown = false;  // a negative stored height: top row first
  uint16_t bitsPerPixel = 0;
  Encoding encoding = Encoding::Plain;
  // Channel masks (red, green, blue) for 16 and 32 bits per pixel. Plain
  // files get the masks of their fixed layout (5-5-5, and B,G,R bytes).
  std::array<uint32_t, 3> masks{};
  // Colours 0x00BBGGRR of the colour table, always 256 of them: entries the
  // file does not hold are black, so any index is harmless.
  std::array<uint32_t, 256> palette{};
  // Where the pixel data starts; may lie at or past the end of the file.
  uint64_t pixelOffset = 0;
  // Bytes per stored row, rows padded to 4 bytes. Fits a size_t whenever
  // height > 0, since stride * height was checked against kMaxImageBytes.
  uint64_t stride = 0;
};

// Bytes per stored row of `width` pixels at `bitsPerPixel`, in 64 bits.
uint64_t RowStride(uint64_t width, unsigned bitsPerPixel);

// Parses the headers of a file of `size` bytes (size >= 1). Throws LoadError.
Layout ParseHeaders(const uint8_t* file, size_t size);

}  // namespace vm::bmp
