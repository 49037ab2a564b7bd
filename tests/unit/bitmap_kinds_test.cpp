// Which kinds of BMP load: every header size, depth, compression and row
// order, each built as a small well-formed file.
#include <gtest/gtest.h>

#include <string>

#include "bmp_builder.h"
#include "bmp_test_support.h"

namespace vm::test {
namespace {

struct Kind {
  uint32_t headerSize;
  uint16_t bitsPerPixel;
  uint32_t compression;
  bool topDown;
};

std::string Describe(const Kind& k) {
  return "header " + std::to_string(k.headerSize) + ", " + std::to_string(k.bitsPerPixel) +
         " bpp, compression " + std::to_string(k.compression) + (k.topDown ? ", top-down" : "");
}

// The loader's table, stated independently of the loader.
bool ShouldLoad(const Kind& k) {
  const uint16_t b = k.bitsPerPixel;
  const bool plainDepth = b == 1 || b == 4 || b == 8 || b == 16 || b == 24 || b == 32;
  if (k.headerSize == 12) return plainDepth;
  switch (k.compression) {
    case 0: return plainDepth;
    case 1: return b == 8 && !k.topDown;
    case 2: return b == 4 && !k.topDown;
    case 3: return b == 16 || b == 32;
    default: return false;
  }
}

// A 3 x 2 file of this kind with a full table and full pixel data.
std::vector<uint8_t> FileOf(const Kind& k) {
  BmpFile f;
  f.headerSize = k.headerSize;
  f.width = 3;
  f.height = k.topDown ? -2 : 2;
  f.bitsPerPixel = k.bitsPerPixel;
  f.compression = k.compression;
  f.masks = {0xF800, 0x07E0, 0x001F};
  if (k.bitsPerPixel >= 1 && k.bitsPerPixel <= 8)
    f.palette.assign(size_t{1} << k.bitsPerPixel, 0x00808080);
  if (k.compression == 1 || k.compression == 2)
    f.pixels = {0, 0, 0, 0, 0, 1};  // end of line twice, end of bitmap
  else
    f.pixels.assign(64, 0x5A);
  return BuildBmp(f);
}

TEST(BitmapKinds, EveryHeaderDepthCompressionAndRowOrder) {
  const uint16_t depths[] = {0, 1, 2, 4, 8, 15, 16, 24, 32, 48, 64};
  for (uint32_t headerSize : {12u, 40u, 108u, 124u}) {
    for (uint16_t bpp : depths) {
      for (uint32_t compression : {0u, 1u, 2u, 3u, 4u, 5u, 6u, 0xFFFFFFFFu}) {
        for (bool topDown : {false, true}) {
          // A core header has neither compression nor a sign for its height.
          if (headerSize == 12 && (compression != 0 || topDown)) continue;
          const Kind kind{headerSize, bpp, compression, topDown};
          SCOPED_TRACE(Describe(kind));
          if (ShouldLoad(kind)) {
            const Bitmap b = Bitmap::Load(FileOf(kind));
            EXPECT_EQ(b.Width(), 3);
            EXPECT_EQ(b.Height(), 2);
            ExpectMatcherAgreesForAllColours(b);
          } else {
            EXPECT_EQ(FailureOf(FileOf(kind)), LoadFailure::Unsupported);
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace vm::test
