#include "bmp_builder.h"

#include <stdexcept>

namespace vm::test {

BmpBuilder& BmpBuilder::u8(uint8_t v) {
  bytes_.push_back(v);
  return *this;
}

BmpBuilder& BmpBuilder::u16(uint16_t v) { return u8(v & 0xFF).u8(v >> 8); }

BmpBuilder& BmpBuilder::u32(uint32_t v) { return u16(v & 0xFFFF).u16(v >> 16); }

BmpBuilder& BmpBuilder::i32(int32_t v) { return u32(static_cast<uint32_t>(v)); }

BmpBuilder& BmpBuilder::ascii(std::string_view text) {
  for (char c : text) u8(static_cast<uint8_t>(c));
  return *this;
}

BmpBuilder& BmpBuilder::bytes(std::initializer_list<uint8_t> values) {
  bytes_.insert(bytes_.end(), values.begin(), values.end());
  return *this;
}

BmpBuilder& BmpBuilder::bytes(const std::vector<uint8_t>& values) {
  bytes_.insert(bytes_.end(), values.begin(), values.end());
  return *this;
}

BmpBuilder& BmpBuilder::zeros(size_t count) {
  bytes_.insert(bytes_.end(), count, 0);
  return *this;
}

BmpBuilder& BmpBuilder::bgr0(uint32_t colour) { return bgr(colour).u8(0); }

BmpBuilder& BmpBuilder::bgr(uint32_t colour) {
  return u8(colour >> 16 & 0xFF).u8(colour >> 8 & 0xFF).u8(colour & 0xFF);
}

BmpBuilder& BmpBuilder::PatchU32(size_t offset, uint32_t v) {
  if (offset + 4 > bytes_.size()) throw std::out_of_range("PatchU32 past the end");
  for (int i = 0; i < 4; ++i) bytes_[offset + i] = static_cast<uint8_t>(v >> (8 * i));
  return *this;
}

namespace {

void WriteCoreHeader(BmpBuilder& b, const BmpFile& f) {
  b.u32(12)                                   // header size
      .u16(static_cast<uint16_t>(f.width))    // width
      .u16(static_cast<uint16_t>(f.height))   // height, always bottom-up
      .u16(f.planes)                          // planes
      .u16(f.bitsPerPixel);                   // bits per pixel
}

void WriteInfoHeader(BmpBuilder& b, const BmpFile& f) {
  const size_t start = b.size();
  b.u32(f.headerSize)     // header size
      .i32(f.width)       // width
      .i32(f.height)      // height, negative for top row first
      .u16(f.planes)      // planes
      .u16(f.bitsPerPixel)  // bits per pixel
      .u32(f.compression)   // compression
      .u32(static_cast<uint32_t>(f.pixels.size()))  // image size
      .i32(2835)            // horizontal pixels per metre
      .i32(2835)            // vertical pixels per metre
      .u32(f.coloursUsed)   // colours used
      .u32(0);              // colours important
  if (f.headerSize >= 108) {
    b.u32(f.masks[0])   // red mask
        .u32(f.masks[1])  // green mask
        .u32(f.masks[2])  // blue mask
        .u32(0)           // alpha mask
        .ascii("BGRs")    // colour space: sRGB
        .zeros(36)        // end points
        .zeros(12);       // gamma
  }
  if (f.headerSize == 124) {
    b.u32(4)      // intent: perceptual
        .u32(0)   // profile data
        .u32(0)   // profile size
        .u32(0);  // reserved
  }
  if (b.size() - start < f.headerSize) b.zeros(f.headerSize - (b.size() - start));
  if (f.headerSize == 40 && f.compression == kBiBitFields)
    b.u32(f.masks[0]).u32(f.masks[1]).u32(f.masks[2]);  // red, green, blue masks
}

}  // namespace

std::vector<uint8_t> BuildBmp(const BmpFile& f) {
  BmpBuilder b;
  b.ascii("BM")  // signature
      .u32(0)    // file size, patched below
      .u16(0)    // reserved
      .u16(0)    // reserved
      .u32(0);   // pixel data offset, patched below
  if (f.headerSize == 12) WriteCoreHeader(b, f);
  else WriteInfoHeader(b, f);
  for (uint32_t entry : f.palette) {
    if (f.headerSize == 12) b.bgr(entry);
    else b.bgr0(entry);
  }
  const size_t tableEnd = b.size();
  const size_t offset = f.dataOffset < 0 ? tableEnd : static_cast<size_t>(f.dataOffset);
  if (offset > tableEnd) b.zeros(offset - tableEnd);
  b.bytes(f.pixels);
  b.PatchU32(2, static_cast<uint32_t>(b.size()));
  b.PatchU32(10, static_cast<uint32_t>(offset));
  return b.Take();
}

std::vector<uint8_t> StoreRows(int32_t width, int32_t height, unsigned bpp,
                               const std::vector<uint32_t>& values, bool topDown, uint8_t fourth) {
  if (values.size() != static_cast<size_t>(width) * static_cast<size_t>(height))
    throw std::invalid_argument("StoreRows: width * height values expected");
  const size_t stride = (static_cast<size_t>(width) * bpp + 31) / 32 * 4;
  std::vector<uint8_t> out(stride * static_cast<size_t>(height), 0);
  for (int32_t y = 0; y < height; ++y) {
    const int32_t stored = topDown ? y : height - 1 - y;
    uint8_t* row = out.data() + stride * static_cast<size_t>(stored);
    for (int32_t x = 0; x < width; ++x) {
      const uint32_t v = values[static_cast<size_t>(y) * width + x];
      switch (bpp) {
        case 1: row[x / 8] |= static_cast<uint8_t>((v & 1) << (7 - x % 8)); break;
        case 4: row[x / 2] |= static_cast<uint8_t>((v & 15) << (x % 2 == 0 ? 4 : 0)); break;
        case 8: row[x] = static_cast<uint8_t>(v); break;
        case 16: row[2 * x] = v & 0xFF; row[2 * x + 1] = v >> 8 & 0xFF; break;
        case 24:
        case 32: {
          uint8_t* p = row + (bpp / 8) * static_cast<size_t>(x);
          p[0] = v >> 16 & 0xFF;  // blue
          p[1] = v >> 8 & 0xFF;   // green
          p[2] = v & 0xFF;        // red
          if (bpp == 32) p[3] = fourth;
          break;
        }
        default: throw std::invalid_argument("StoreRows: unsupported depth");
      }
    }
  }
  return out;
}

std::vector<uint8_t> Bmp24(int32_t width, int32_t height, const std::vector<uint32_t>& colours,
                           bool topDown) {
  BmpFile f;
  f.width = width;
  f.height = topDown ? -height : height;
  f.bitsPerPixel = 24;
  f.pixels = StoreRows(width, height, 24, colours, topDown);
  return BuildBmp(f);
}

std::vector<uint8_t> Bmp32(int32_t width, int32_t height, const std::vector<uint32_t>& colours,
                           bool topDown) {
  BmpFile f;
  f.width = width;
  f.height = topDown ? -height : height;
  f.bitsPerPixel = 32;
  f.pixels = StoreRows(width, height, 32, colours, topDown);
  return BuildBmp(f);
}

std::vector<uint8_t> Bmp8(int32_t width, int32_t height, const std::vector<uint32_t>& palette,
                          const std::vector<uint32_t>& indices, bool topDown) {
  BmpFile f;
  f.width = width;
  f.height = topDown ? -height : height;
  f.bitsPerPixel = 8;
  f.coloursUsed = static_cast<uint32_t>(palette.size());
  f.palette = palette;
  f.pixels = StoreRows(width, height, 8, indices, topDown);
  return BuildBmp(f);
}

}  // namespace vm::test
