// The colour of a pixel at every depth, colour-table rules, channel widening.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "bmp_builder.h"
#include "bmp_test_support.h"

namespace vm::test {
namespace {

// The widening of a channel `bits` wide: its bits repeated from the top until
// a byte is full; a channel wider than a byte keeps its top eight bits.
uint32_t Widened(uint32_t v, unsigned bits) {
  if (bits == 0) return 0;
  std::string digits;
  for (unsigned i = bits; i-- > 0;) digits += (v >> i & 1) ? '1' : '0';
  std::string repeated;
  while (repeated.size() < 8) repeated += digits;
  return static_cast<uint32_t>(std::stoul(repeated.substr(0, 8), nullptr, 2));
}

uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) { return r | g << 8 | b << 16; }

Bitmap LoadIndexed(uint32_t headerSize, uint16_t bpp, int32_t width, const std::vector<uint32_t>& palette,
                   const std::vector<uint32_t>& indices) {
  BmpFile f;
  f.headerSize = headerSize;
  f.width = width;
  f.height = 1;
  f.bitsPerPixel = bpp;
  f.palette = palette;
  f.coloursUsed = headerSize == 12 ? 0 : static_cast<uint32_t>(palette.size());
  f.pixels = StoreRows(width, 1, bpp, indices);
  return Bitmap::Load(BuildBmp(f));
}

TEST(BitmapColours, IndexedDepthsReadTheirPalette) {
  std::vector<uint32_t> palette16;
  for (uint32_t i = 0; i < 16; ++i) palette16.push_back(0x00010203 * i);
  const std::vector<uint32_t> bits = {1, 0, 1, 1, 0, 0, 0, 1, 1, 0, 1};  // crosses a byte
  const std::vector<uint32_t> nibbles = {15, 0, 7, 8, 3};               // odd width
  for (uint32_t headerSize : {12u, 40u}) {
    SCOPED_TRACE(headerSize);
    const Bitmap one = LoadIndexed(headerSize, 1, 11, {0x0000FF, 0x00FF00}, bits);
    for (int x = 0; x < 11; ++x) EXPECT_EQ(one.Pixel(x, 0), bits[x] ? 0x00FF00u : 0x0000FFu) << x;
    ExpectMatcherAgreesForAllColours(one);
    const Bitmap four = LoadIndexed(headerSize, 4, 5, palette16, nibbles);
    for (int x = 0; x < 5; ++x) EXPECT_EQ(four.Pixel(x, 0), palette16[nibbles[x]]) << x;
    ExpectMatcherAgreesForAllColours(four);
  }
}

TEST(BitmapColours, IndicesPastTheTableAreBlack) {
  // Two entries, but the 8-bit pixels reach further.
  const Bitmap b = LoadIndexed(40, 8, 4, {0x111111, 0x222222}, {0, 1, 2, 255});
  EXPECT_EQ(AllPixels(b), (std::vector<uint32_t>{0x111111, 0x222222, 0, 0}));
  ExpectMatcherAgreesForAllColours(b);
}

TEST(BitmapColours, TableLongerThan256EntriesUsesTheFirst) {
  std::vector<uint32_t> palette(300);
  for (uint32_t i = 0; i < 300; ++i) palette[i] = 0x00100000 + i;
  const Bitmap b = LoadIndexed(40, 8, 2, palette, {0, 255});
  EXPECT_EQ(AllPixels(b), (std::vector<uint32_t>{0x00100000, 0x001000FF}));
}

TEST(BitmapColours, DeepImageSkipsTheTableItDeclares) {
  BmpFile f;
  f.width = 1;
  f.bitsPerPixel = 24;
  f.coloursUsed = 2;
  f.palette = {0x999999, 0x888888};
  f.pixels = {0x30, 0x20, 0x10, 0};  // blue, green, red, padding
  EXPECT_EQ(Bitmap::Load(BuildBmp(f)).Pixel(0, 0), 0x00302010u);
}

TEST(BitmapColours, SixteenBitFiveFiveFive) {
  // Each channel's 0 .. 31 widened; bit 15 plays no part.
  for (uint32_t headerSize : {12u, 40u}) {
    std::vector<uint32_t> values;
    for (uint32_t v = 0; v < 32; ++v) values.push_back(v << 10 | (31 - v) << 5 | (v ^ 21) | (v & 1) << 15);
    BmpFile f;
    f.headerSize = headerSize;
    f.width = 32;
    f.bitsPerPixel = 16;
    f.pixels = StoreRows(32, 1, 16, values);
    const Bitmap b = Bitmap::Load(BuildBmp(f));
    for (uint32_t v = 0; v < 32; ++v)
      EXPECT_EQ(b.Pixel(static_cast<int32_t>(v), 0),
                Rgb(Widened(v, 5), Widened(31 - v, 5), Widened(v ^ 21, 5)))
          << "header " << headerSize << ", value " << v;
    ExpectMatcherAgreesForAllColours(b);
  }
}

TEST(BitmapColours, CoreHeaderDeepDepths) {
  const std::vector<uint32_t> colours = {0x00112233, 0x00FFFFFF, 0x00000001};
  for (uint16_t bpp : {24, 32}) {
    BmpFile f;
    f.headerSize = 12;
    f.width = 3;
    f.bitsPerPixel = bpp;
    f.pixels = StoreRows(3, 1, bpp, colours, false, 0xEE);
    EXPECT_EQ(AllPixels(Bitmap::Load(BuildBmp(f))), colours) << bpp;
  }
}

struct BitFieldCase {
  const char* name;
  uint16_t bpp;
  std::array<uint32_t, 3> masks;
};

// The channel value under a mask, bits compacted in order.
uint32_t UnderMask(uint32_t pixel, uint32_t mask) {
  uint32_t v = 0;
  int out = 0;
  for (int bit = 0; bit < 32; ++bit) {
    if (!(mask >> bit & 1)) continue;
    v |= (pixel >> bit & 1) << out++;
  }
  return v;
}

unsigned BitsIn(uint32_t mask) {
  unsigned n = 0;
  for (; mask != 0; mask >>= 1) n += mask & 1;
  return n;
}

TEST(BitmapColours, BitFieldsWidenEachChannel) {
  const BitFieldCase cases[] = {
      {"5-6-5", 16, {0xF800, 0x07E0, 0x001F}},
      {"4-4-4 high", 16, {0xF000, 0x0F00, 0x00F0}},
      {"1-bit channels", 16, {0x8000, 0x0001, 0x0100}},
      {"8-8-8 shuffled", 32, {0x000000FF, 0xFF000000, 0x00FF0000}},
      {"10-10-10", 32, {0x3FF00000, 0x000FFC00, 0x000003FF}},
      {"16-bit wide red", 32, {0xFFFF0000, 0x0000FF00, 0x000000F0}},
      {"whole-word red", 32, {0xFFFFFFFF, 0, 0}},
      {"empty green", 32, {0x00FF0000, 0, 0x000000FF}},
      {"overlapping", 32, {0x0000FFFF, 0x00FFFF00, 0x000000FF}},
      {"not contiguous", 32, {0x0000000A, 0x00F0F000, 0x80000001}},
      {"not contiguous 16", 16, {0x5000, 0x0A0A, 0x8001}},
  };
  for (const BitFieldCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<uint32_t> values;
    uint32_t seed = 12345;
    for (int i = 0; i < 64; ++i) {
      seed = seed * 1103515245u + 12345u;
      values.push_back(c.bpp == 16 ? seed >> 16 : seed);
    }
    values.push_back(0);
    values.push_back(c.bpp == 16 ? 0xFFFF : 0xFFFFFFFF);
    for (uint32_t headerSize : {40u, 108u, 124u}) {
      BmpFile f;
      f.headerSize = headerSize;
      f.width = static_cast<int32_t>(values.size());
      f.bitsPerPixel = c.bpp;
      f.compression = kBiBitFields;
      f.masks = c.masks;
      BmpBuilder rows;
      for (uint32_t v : values) {
        if (c.bpp == 16) rows.u16(static_cast<uint16_t>(v));
        else rows.u32(v);
      }
      f.pixels = rows.Take();
      const Bitmap b = Bitmap::Load(BuildBmp(f));
      for (size_t x = 0; x < values.size(); ++x) {
        uint32_t expected = 0;
        for (int ch = 0; ch < 3; ++ch)
          expected |= Widened(UnderMask(values[x], c.masks[ch]), BitsIn(c.masks[ch])) << (8 * ch);
        ASSERT_EQ(b.Pixel(static_cast<int32_t>(x), 0), expected) << "value " << std::hex << values[x];
      }
      ExpectMatcherAgreesForAllColours(b);
    }
  }
}

TEST(BitmapColours, SomeWidenedValues) {
  // Fixed points of the widening: 5 bits 1 -> 8, 3 -> 24, 28 -> 231;
  // 6 bits 32 -> 130; 10 bits 3 -> 0, 512 -> 128; an 8-bit mask keeps its byte.
  BmpFile f;
  f.width = 2;
  f.bitsPerPixel = 32;
  f.compression = kBiBitFields;
  f.masks = {0x3FF00000, 0x000FFC00, 0x000000FF};
  f.pixels = BmpBuilder().u32(3u << 20 | 512u << 10 | 0x7F).u32(1023u << 20 | 0 << 10 | 0xFF).Take();
  const Bitmap tenBit = Bitmap::Load(BuildBmp(f));
  EXPECT_EQ(tenBit.Pixel(0, 0), Rgb(0, 128, 0x7F));
  EXPECT_EQ(tenBit.Pixel(1, 0), Rgb(255, 0, 255));
  f.bitsPerPixel = 16;
  f.masks = {0xF800, 0x07E0, 0x001F};
  f.pixels = BmpBuilder().u16(1 << 11 | 32 << 5 | 3).u16(28 << 11).Take();
  const Bitmap sixteenBit = Bitmap::Load(BuildBmp(f));
  EXPECT_EQ(sixteenBit.Pixel(0, 0), Rgb(8, 130, 24));
  EXPECT_EQ(sixteenBit.Pixel(1, 0), Rgb(231, 0, 0));
}

}  // namespace
}  // namespace vm::test
