#pragma once
// Run-length encoded pixel data (8 and 4 bits per pixel) decoded into the
// plain layout of the same depth: rows of `stride` bytes, bottom row first,
// so the rest of the loader reads it like an uncompressed file.
//
// Malformed streams never fail the load; decoding clips and stops:
// - pixels of a run or of absolute data that fall past the end of the row
//   are dropped (the row is not wrapped);
// - a delta or an end of line that moves past the last row, an end of
//   bitmap, or the end of the stream (also in the middle of an escape or of
//   absolute data) ends decoding;
// - every pixel not decoded keeps index 0, like missing bytes of a short
//   plain file.
#include <cstddef>
#include <cstdint>

namespace vm::bmp {

struct RleTarget {
  uint8_t* pixels;   // stride * height bytes, all zero on entry
  uint64_t width;
  uint64_t height;
  uint64_t stride;
};

void DecodeRle8(const uint8_t* data, size_t size, const RleTarget& target);
void DecodeRle4(const uint8_t* data, size_t size, const RleTarget& target);

}  // namespace vm::bmp
