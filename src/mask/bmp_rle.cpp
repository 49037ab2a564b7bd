#include "mask/bmp_rle.h"

namespace vm::bmp {
namespace {

enum Escape : uint8_t { kEndOfLine = 0, kEndOfBitmap = 1, kDelta = 2 };

// The decoder's position: x within the row (may run past the width, which
// clips what follows on that row), y counted from the bottom row.
class RleWriter {
 public:
  RleWriter(const RleTarget& target, bool fourBit) : t_(target), fourBit_(fourBit) {}

  bool Done() const { return y_ >= t_.height; }
  void EndLine() { x_ = 0; ++y_; }
  void Move(uint8_t dx, uint8_t dy) { x_ += dx; y_ += dy; }

  // Writes one index at the current position, dropped past the row's end.
  void Put(uint8_t index) {
    if (x_ < t_.width) {
      uint8_t* row = t_.pixels + y_ * t_.stride;
      if (!fourBit_) {
        row[x_] = index;
      } else {
        uint8_t& byte = row[x_ / 2];
        byte = (x_ % 2 == 0) ? static_cast<uint8_t>((byte & 0x0F) | index << 4)
                             : static_cast<uint8_t>((byte & 0xF0) | (index & 0x0F));
      }
    }
    ++x_;
  }

  // Once past the row's end, the rest of a run or of absolute data is dropped.
  bool PastRowEnd() const { return x_ >= t_.width; }

 private:
  const RleTarget& t_;
  bool fourBit_;
  uint64_t x_ = 0;
  uint64_t y_ = 0;
};

// The index of pixel i of a run or of absolute data: a byte for RLE8, the
// two nibbles in turn, high first, for RLE4.
uint8_t IndexAt(const uint8_t* bytes, uint64_t i, bool fourBit) {
  if (!fourBit) return bytes[i];
  const uint8_t b = bytes[i / 2];
  return i % 2 == 0 ? static_cast<uint8_t>(b >> 4) : static_cast<uint8_t>(b & 0x0F);
}

void Decode(const uint8_t* data, size_t size, const RleTarget& target, bool fourBit) {
  RleWriter out(target, fourBit);
  size_t at = 0;
  while (!out.Done() && size - at >= 2) {
    const uint8_t count = data[at], value = data[at + 1];
    at += 2;
    if (count > 0) {  // a run: `count` pixels from `value`
      for (uint64_t i = 0; i < count && !out.PastRowEnd(); ++i)
        out.Put(fourBit ? IndexAt(&value, i % 2, true) : value);
      continue;
    }
    if (value == kEndOfLine) {
      out.EndLine();
    } else if (value == kEndOfBitmap) {
      return;
    } else if (value == kDelta) {
      if (size - at < 2) return;
      out.Move(data[at], data[at + 1]);
      at += 2;
    } else {  // absolute mode: `value` pixels, data padded to an even length
      const uint64_t bytes = fourBit ? (value + 1u) / 2 : value;
      const uint64_t held = size - at < bytes ? size - at : bytes;
      const uint64_t pixels = fourBit ? (held * 2 < value ? held * 2 : value) : held;
      for (uint64_t i = 0; i < pixels && !out.PastRowEnd(); ++i)
        out.Put(IndexAt(data + at, i, fourBit));
      if (held < bytes) return;  // the stream ended inside the data
      at += bytes + bytes % 2;
      if (at > size) return;
    }
  }
}

}  // namespace

void DecodeRle8(const uint8_t* data, size_t size, const RleTarget& target) {
  Decode(data, size, target, false);
}

void DecodeRle4(const uint8_t* data, size_t size, const RleTarget& target) {
  Decode(data, size, target, true);
}

}  // namespace vm::bmp
