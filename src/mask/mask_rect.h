#pragma once
// One mask rectangle: a span of the transparent colour, one pixel high.
// Stored as four signed 32-bit little-endian integers, always written byte by
// byte so that every build produces the same file.
#include <cstddef>
#include <cstdint>

namespace vm {

struct MaskRect {
  int32_t left;
  int32_t top;
  int32_t right;   // exclusive
  int32_t bottom;  // exclusive: top + 1

  friend bool operator==(const MaskRect& a, const MaskRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
  }
};

inline constexpr std::size_t kMaskRectBytes = 16;

inline void EncodeMaskRect(const MaskRect& r, uint8_t* out) {
  const int32_t fields[4] = {r.left, r.top, r.right, r.bottom};
  for (int f = 0; f < 4; ++f) {
    const uint32_t v = static_cast<uint32_t>(fields[f]);
    for (int b = 0; b < 4; ++b) out[f * 4 + b] = static_cast<uint8_t>(v >> (8 * b));
  }
}

}  // namespace vm
