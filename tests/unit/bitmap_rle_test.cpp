// Run-length encoded files (8 and 4 bits): escapes, absolute mode, and
// malformed streams, which load with what decodes and index 0 elsewhere.
#include <gtest/gtest.h>

#include "bmp_builder.h"
#include "bmp_test_support.h"

namespace vm::test {
namespace {

const std::vector<uint32_t> kPalette = {0x00000001, 0x00110000, 0x00002200, 0x00000033,
                                        0x00440000, 0x00005500, 0x00000066, 0x00777777,
                                        0x00888888, 0x00999999, 0x00AAAAAA, 0x00BBBBBB,
                                        0x00CCCCCC, 0x00DDDDDD, 0x00EEEEEE, 0x00FFFFFF};

struct RleCase {
  const char* name;
  std::vector<uint8_t> stream;
  std::vector<uint32_t> indices;  // expected, 4 x 3, top row first
};

Bitmap LoadRle(bool fourBit, const std::vector<uint8_t>& stream) {
  BmpFile f;
  f.width = 4;
  f.height = 3;  // run-length data is bottom-up: the stream starts at the bottom row
  f.bitsPerPixel = fourBit ? 4 : 8;
  f.compression = fourBit ? kBiRle4 : kBiRle8;
  f.coloursUsed = 16;
  f.palette = kPalette;
  f.pixels = stream;
  return Bitmap::Load(BuildBmp(f));
}

void Check(bool fourBit, const RleCase& c) {
  SCOPED_TRACE(c.name);
  const Bitmap b = LoadRle(fourBit, c.stream);
  ASSERT_EQ(b.Width(), 4);
  ASSERT_EQ(b.Height(), 3);
  std::vector<uint32_t> expected;
  for (uint32_t i : c.indices) expected.push_back(kPalette[i]);
  EXPECT_EQ(AllPixels(b), expected);
  ExpectMatcherAgreesForAllColours(b);
}

TEST(BitmapRle, EightBitStreams) {
  const RleCase cases[] = {
      {"runs, end of line, end of bitmap",
       {4, 1,           // bottom row: 4 x index 1
        0, 0,           // end of line
        2, 2, 2, 3,     // middle row: 2 x 2, 2 x 3
        0, 0,           // end of line
        1, 4, 3, 5,     // top row: 1 x 4, 3 x 5
        0, 1},          // end of bitmap
       {4, 5, 5, 5, 2, 2, 3, 3, 1, 1, 1, 1}},
      {"absolute mode with padding",
       {0, 3, 7, 8, 9, 0,  // 3 pixels 7 8 9, padded to an even length
        1, 6,              // 1 x 6
        0, 0,              // end of line
        0, 4, 1, 2, 3, 4,  // 4 pixels, no padding needed
        0, 1},             // end of bitmap
       {0, 0, 0, 0, 1, 2, 3, 4, 7, 8, 9, 6}},
      {"delta skips pixels, left at index 0",
       {1, 5,        // (0, bottom) = 5
        0, 2, 2, 1,  // delta: right 2, up 1
        2, 6,        // (3, middle) = 6, then past the row's end
        0, 1},       // end of bitmap
       {0, 0, 0, 0, 0, 0, 0, 6, 5, 0, 0, 0}},  // the second 6 falls past the row
      {"end of bitmap early",
       {3, 9,   // bottom row, 3 x 9
        0, 1,   // end of bitmap: the rest stays index 0
        4, 4},  // never read
       {0, 0, 0, 0, 0, 0, 0, 0, 9, 9, 9, 0}},
      {"run past the row end is clipped, not wrapped",
       {10, 7,  // 10 x 7 on a row of 4
        2, 8,   // still past the end: dropped
        0, 0,   // end of line
        1, 9},  // middle row
       {0, 0, 0, 0, 9, 0, 0, 0, 7, 7, 7, 7}},
      {"absolute data past the row end is clipped",
       {0, 6, 1, 2, 3, 4, 5, 6,  // 6 pixels on a row of 4
        0, 0,                    // end of line
        1, 3},                   // middle row
       {0, 0, 0, 0, 3, 0, 0, 0, 1, 2, 3, 4}},
      {"delta past the last row ends decoding",
       {1, 2,        // (0, bottom) = 2
        0, 2, 0, 9,  // delta: up 9, past the top
        1, 3},       // never written
       {0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0}},
      {"more rows than the image",
       {1, 1, 0, 0, 1, 2, 0, 0, 1, 3, 0, 0, 1, 4, 0, 0, 1, 5},
       {3, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0}},
      {"stream ends inside a delta", {1, 4, 0, 2, 1}, {0, 0, 0, 0, 0, 0, 0, 0, 4, 0, 0, 0}},
      {"stream ends inside absolute data", {0, 5, 6, 7}, {0, 0, 0, 0, 0, 0, 0, 0, 6, 7, 0, 0}},
      {"stream ends after an odd byte", {2, 5, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 5, 5, 0, 0}},
      {"empty stream", {}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {"zero-length run and absolute 255 cut", {0, 0, 0, 255, 1}, {0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0}},
  };
  for (const RleCase& c : cases) Check(false, c);
}

TEST(BitmapRle, FourBitStreams) {
  const RleCase cases[] = {
      {"runs alternate the two nibbles",
       {3, 0x12,  // bottom row: 1 2 1
        0, 0,     // end of line
        4, 0x33,  // middle row: 3 3 3 3
        0, 1},    // end of bitmap
       {0, 0, 0, 0, 3, 3, 3, 3, 1, 2, 1, 0}},
      {"absolute mode with padding",
       {0, 3, 0x45, 0x60,  // 3 pixels 4 5 6 in 2 bytes, already even
        0, 0,              // end of line
        0, 4, 0xAB, 0xCD,  // 4 pixels A B C D
        0, 0,              // end of line
        0, 3, 0xF7, 0x00,  // 3 pixels F 7 0
        1, 0x70,           // then one pixel of 7
        0, 1},             // end of bitmap
       {15, 7, 0, 7, 10, 11, 12, 13, 4, 5, 6, 0}},
      {"absolute with 5 pixels pads 3 bytes to 4",
       {0, 5, 0x12, 0x34, 0x50, 0x00,  // 5 pixels, 3 bytes + padding
        1, 0x90},                       // clipped: row already full
       {0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 4}},
      {"delta and clipping",
       {0, 2, 3, 2,  // delta: right 3, up 2
        5, 0xEE,     // (3, top) = E, the rest clipped
        0, 1},       // end of bitmap
       {0, 0, 0, 14, 0, 0, 0, 0, 0, 0, 0, 0}},
      {"stream ends inside absolute data", {0, 6, 0x12}, {0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 0, 0}},
  };
  for (const RleCase& c : cases) Check(true, c);
}

TEST(BitmapRle, ByteByByteFromTheBuilder) {
  // One whole RLE4 file spelled out, field by field.
  const std::vector<uint8_t> file = BmpBuilder()
                                        .ascii("BM")  // signature
                                        .u32(72)      // file size
                                        .u32(0)       // reserved
                                        .u32(62)      // pixel data offset
                                        .u32(40)      // header size
                                        .i32(3)       // width
                                        .i32(2)       // height: bottom row first
                                        .u16(1)       // planes
                                        .u16(4)       // bits per pixel
                                        .u32(2)       // RLE4
                                        .u32(10)      // image size
                                        .i32(0)       // horizontal resolution
                                        .i32(0)       // vertical resolution
                                        .u32(2)       // colours used
                                        .u32(0)       // colours important
                                        .bgr0(0x0000FF)  // entry 0: red
                                        .bgr0(0xFF0000)  // entry 1: blue
                                        .bytes({3, 0x01})  // bottom row: 0 1 0
                                        .bytes({0, 0})     // end of line
                                        .bytes({3, 0x11})  // top row: 1 1 1
                                        .bytes({0, 1})     // end of bitmap
                                        .Take();
  const Bitmap b = Bitmap::Load(file);
  EXPECT_EQ(AllPixels(b), (std::vector<uint32_t>{0xFF0000, 0xFF0000, 0xFF0000,  //
                                                 0x0000FF, 0xFF0000, 0x0000FF}));
  ExpectMatcherAgreesForAllColours(b);
}

TEST(BitmapRle, LargeImageFromATinyStream) {
  // 16384 x 16384 at 4 bits is 128 MiB decoded: allowed, and the few pixels
  // the stream sets are where it says.
  BmpFile f;
  f.width = 16384;
  f.height = 16384;
  f.bitsPerPixel = 4;
  f.compression = kBiRle4;
  f.palette = kPalette;
  f.pixels = {0, 2, 255, 255, 2, 0x55, 0, 1};  // delta, 2 pixels of 5, end of bitmap
  const Bitmap b = Bitmap::Load(BuildBmp(f));
  EXPECT_EQ(b.Pixel(255, 16384 - 1 - 255), kPalette[5]);
  EXPECT_EQ(b.Pixel(256, 16384 - 1 - 255), kPalette[5]);
  EXPECT_EQ(b.Pixel(257, 16384 - 1 - 255), kPalette[0]);
  EXPECT_EQ(b.Pixel(0, 0), kPalette[0]);
}

}  // namespace
}  // namespace vm::test
