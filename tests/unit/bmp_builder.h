#pragma once
// BMP files for tests, built field by field in memory.
//
// BmpBuilder writes little-endian fields one call at a time, so a test can
// spell out a file one field a line with a comment:
//   BmpBuilder().ascii("BM")  // signature
//       .u32(58)              // file size
//       ...
// BmpFile/BuildBmp make a whole well-formed file from a few fields, and
// StoreRows/Bmp24/Bmp32/Bmp8 turn a picture (top row first) into files.
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace vm::test {

class BmpBuilder {
 public:
  BmpBuilder& u8(uint8_t v);
  BmpBuilder& u16(uint16_t v);
  BmpBuilder& u32(uint32_t v);
  BmpBuilder& i32(int32_t v);
  BmpBuilder& ascii(std::string_view text);
  BmpBuilder& bytes(std::initializer_list<uint8_t> values);
  BmpBuilder& bytes(const std::vector<uint8_t>& values);
  BmpBuilder& zeros(size_t count);
  BmpBuilder& bgr0(uint32_t colour);  // colour-table entry: blue, green, red, reserved 0
  BmpBuilder& bgr(uint32_t colour);   // core colour-table entry: blue, green, red

  size_t size() const { return bytes_.size(); }
  BmpBuilder& PatchU32(size_t offset, uint32_t v);  // fill in a field written earlier
  const std::vector<uint8_t>& data() const { return bytes_; }
  std::vector<uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<uint8_t> bytes_;
};

// Compression values of the info header.
enum : uint32_t { kBiRgb = 0, kBiRle8 = 1, kBiRle4 = 2, kBiBitFields = 3 };

// A whole file from its main fields. The file size and data offset fields
// are filled in; everything else is written as given.
struct BmpFile {
  uint32_t headerSize = 40;  // 12, 40, 108, 124 (others: a 40-byte body padded with zeros)
  int32_t width = 1;         // written as an unsigned 16-bit word in a core header
  int32_t height = 1;
  uint16_t planes = 1;
  uint16_t bitsPerPixel = 24;
  uint32_t compression = kBiRgb;
  uint32_t coloursUsed = 0;
  std::array<uint32_t, 3> masks{};  // red, green, blue; written for compression 3
  std::vector<uint32_t> palette;    // 0x00BBGGRR entries; 3 bytes each after a core header
  std::vector<uint8_t> pixels;      // the stored pixel data, as is
  int64_t dataOffset = -1;          // -1: right after the colour table
};
std::vector<uint8_t> BuildBmp(const BmpFile& file);

// Stored pixel rows from `values` given top row first, width * height of
// them: palette indices for 1, 4 and 8 bits, 0x00BBGGRR colours for 24 and
// 32 bits (32: fourth byte `fourth`), raw 16-bit values for 16 bits. Rows are
// padded to 4 bytes and stored bottom row first unless topDown.
std::vector<uint8_t> StoreRows(int32_t width, int32_t height, unsigned bitsPerPixel,
                               const std::vector<uint32_t>& values, bool topDown = false,
                               uint8_t fourth = 0);

// Plain files of a picture given as colours 0x00BBGGRR, top row first.
std::vector<uint8_t> Bmp24(int32_t width, int32_t height, const std::vector<uint32_t>& colours,
                           bool topDown = false);
std::vector<uint8_t> Bmp32(int32_t width, int32_t height, const std::vector<uint32_t>& colours,
                           bool topDown = false);
// An 8-bit file: palette entries (at least one: the colours-used field is
// written as their count) and indices, top row first.
std::vector<uint8_t> Bmp8(int32_t width, int32_t height, const std::vector<uint32_t>& palette,
                          const std::vector<uint32_t>& indices, bool topDown = false);

}  // namespace vm::test
