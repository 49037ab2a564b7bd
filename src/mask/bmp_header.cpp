#include "mask/bmp_header.h"

#include <cstdint>
#include <limits>

#include "mask/errors.h"

namespace vm::bmp {
namespace {

constexpr uint64_t kFileHeaderSize = 14;
constexpr uint64_t kCoreHeaderSize = 12;
constexpr uint64_t kInfoHeaderSize = 40;
constexpr uint64_t kMaskBytes = 12;  // three 4-byte masks after a 40-byte header

enum Compression : uint32_t { kNone = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3 };

[[noreturn]] void Fail(LoadFailure kind) { throw LoadError(kind); }

uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t U32(const uint8_t* p) {
  return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

// The fields of either header kind, widened so that every check below is
// done on exact values.
struct HeaderFields {
  uint32_t headerSize = 0;
  int64_t width = 0;
  int64_t height = 0;  // signed: negative means top row first
  uint16_t planes = 0;
  uint16_t bitsPerPixel = 0;
  uint32_t compression = kNone;
  uint32_t coloursUsed = 0;  // 0 for a core header, which has no such field
  bool IsCore() const { return headerSize == kCoreHeaderSize; }
};

// Reads the core or info header; the file must hold all of it.
HeaderFields ReadHeaderFields(const uint8_t* file, uint64_t size) {
  if (size < kFileHeaderSize + 4) Fail(LoadFailure::BadHeader);
  HeaderFields f;
  f.headerSize = U32(file + 14);
  if (f.headerSize != 12 && f.headerSize != 40 && f.headerSize != 108 && f.headerSize != 124)
    Fail(LoadFailure::Unsupported);
  if (size < kFileHeaderSize + f.headerSize) Fail(LoadFailure::BadHeader);
  const uint8_t* h = file + kFileHeaderSize;
  if (f.IsCore()) {
    // The core header's width and height are unsigned 16-bit words; its rows
    // are always stored bottom row first.
    f.width = U16(h + 4);
    f.height = U16(h + 6);
    f.planes = U16(h + 8);
    f.bitsPerPixel = U16(h + 10);
    return f;
  }
  f.width = static_cast<int32_t>(U32(h + 4));
  f.height = static_cast<int32_t>(U32(h + 8));
  f.planes = U16(h + 12);
  f.bitsPerPixel = U16(h + 14);
  f.compression = U32(h + 16);
  f.coloursUsed = U32(h + 32);
  return f;
}

bool IsPlainDepth(uint16_t bpp) {
  return bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32;
}

// Which pairings of depth, compression and row order load.
Encoding CheckKind(const HeaderFields& f) {
  if (!IsPlainDepth(f.bitsPerPixel)) Fail(LoadFailure::Unsupported);
  if (f.IsCore()) return Encoding::Plain;  // 16 and 32 bits read as uncompressed
  switch (f.compression) {
    case kNone:
      return Encoding::Plain;
    case kBitFields:
      if (f.bitsPerPixel != 16 && f.bitsPerPixel != 32) Fail(LoadFailure::Unsupported);
      return Encoding::Plain;
    case kRle8:
    case kRle4: {
      const bool rle8 = f.compression == kRle8;
      if (f.bitsPerPixel != (rle8 ? 8 : 4)) Fail(LoadFailure::Unsupported);
      if (f.height < 0) Fail(LoadFailure::Unsupported);  // run-length data is bottom-up only
      return rle8 ? Encoding::Rle8 : Encoding::Rle4;
    }
    default:
      Fail(LoadFailure::Unsupported);
  }
}

// Refuses sizes that no 32-bit process could hold. Every row counts as at
// least 4 bytes, so a 0-wide image cannot claim billions of rows.
void CheckDimensions(const HeaderFields& f) {
  constexpr int64_t kMaxDimension = std::numeric_limits<int32_t>::max();
  const int64_t rows = f.height < 0 ? -f.height : f.height;  // INT32_MIN gives 2^31
  if (f.width > kMaxDimension || rows > kMaxDimension) Fail(LoadFailure::TooLarge);
  uint64_t rowBytes = RowStride(static_cast<uint64_t>(f.width), f.bitsPerPixel);
  if (rowBytes < 4) rowBytes = 4;
  // rowBytes < 2^34 and rows < 2^31: the product fits 64 bits.
  if (rowBytes * static_cast<uint64_t>(rows) > kMaxImageBytes) Fail(LoadFailure::TooLarge);
}

// Masks of the fixed layouts, and of bit fields as the file gives them.
std::array<uint32_t, 3> ReadMasks(const HeaderFields& f, const uint8_t* file, uint64_t size) {
  if (f.IsCore() || f.compression != kBitFields) {
    if (f.bitsPerPixel == 16) return {0x7C00, 0x03E0, 0x001F};
    return {0xFF0000, 0x00FF00, 0x0000FF};
  }
  const uint64_t at = kFileHeaderSize + kInfoHeaderSize;  // both after a 40-byte header and inside larger ones
  if (size < at + kMaskBytes) Fail(LoadFailure::Truncated);
  return {U32(file + at), U32(file + at + 4), U32(file + at + 8)};
}

uint64_t TableEntries(const HeaderFields& f) {
  if (f.coloursUsed != 0) return f.coloursUsed;  // deeper images too: the entries still stand there
  return f.bitsPerPixel <= 8 ? uint64_t{1} << f.bitsPerPixel : 0;
}

// Reads the colour table into a full 256-entry palette and returns the
// offset just past the table. Entries past 256 occupy the file but no index
// can reach them.
uint64_t ReadPalette(const HeaderFields& f, const uint8_t* file, uint64_t size, Layout& out) {
  uint64_t at = kFileHeaderSize + f.headerSize;
  if (f.headerSize == kInfoHeaderSize && f.compression == kBitFields) at += kMaskBytes;
  const uint64_t entrySize = f.IsCore() ? 3 : 4;
  const uint64_t entries = TableEntries(f);
  const uint64_t end = at + entries * entrySize;  // entries < 2^32: no overflow
  if (end > size) Fail(LoadFailure::Truncated);
  const uint64_t used = entries < out.palette.size() ? entries : out.palette.size();
  for (uint64_t i = 0; i < used; ++i) {
    const uint8_t* e = file + at + i * entrySize;  // blue, green, red[, reserved]
    out.palette[i] = uint32_t{e[2]} | uint32_t{e[1]} << 8 | uint32_t{e[0]} << 16;
  }
  return end;
}

}  // namespace

uint64_t RowStride(uint64_t width, unsigned bitsPerPixel) {
  return (width * bitsPerPixel + 31) / 32 * 4;
}

Layout ParseHeaders(const uint8_t* file, size_t fileSize) {
  const uint64_t size = fileSize;
  if (size < kFileHeaderSize) Fail(LoadFailure::TooShort);
  if (file[0] != 'B' || file[1] != 'M') Fail(LoadFailure::NotBmp);
  const HeaderFields f = ReadHeaderFields(file, size);
  if (f.planes != 1) Fail(LoadFailure::BadHeader);
  if (f.width < 0) Fail(LoadFailure::BadHeader);  // before the kind: a broken header whatever its kind
  Layout out;
  out.encoding = CheckKind(f);
  CheckDimensions(f);
  out.width = static_cast<uint32_t>(f.width);
  out.height = static_cast<uint32_t>(f.height < 0 ? -f.height : f.height);
  out.topDown = f.height < 0;
  out.bitsPerPixel = f.bitsPerPixel;
  out.stride = RowStride(out.width, out.bitsPerPixel);
  if (f.bitsPerPixel == 16 || f.bitsPerPixel == 32) out.masks = ReadMasks(f, file, size);
  const uint64_t tableEnd = ReadPalette(f, file, size, out);
  // The offset field is trusted when it points at or past the end of the
  // colour table (a gap is allowed); an offset into the headers or the table
  // cannot be right, and the data is then taken to follow the table.
  const uint64_t dataOffset = U32(file + 10);
  out.pixelOffset = dataOffset >= tableEnd ? dataOffset : tableEnd;
  return out;
}

}  // namespace vm::bmp
