#include "mask/bmp_row_match.h"

#include <cstring>

namespace vm::bmp {
namespace {

uint32_t LoadWord(const uint8_t* p) {
  uint32_t w;
  std::memcpy(&w, p, 4);  // pixels are little-endian, like every target we build for
  return w;
}

}  // namespace

WordTest TripleTest(uint32_t colour) {
  WordTest t;
  t.mask = 0xFFFFFF;  // stored bytes blue, green, red
  t.value = SwapRedBlue(colour);
  return t;
}

RowMatch PlanWordTest(const Channels& channels, uint32_t colour, WordTest& test) {
  bool exact = true;
  uint32_t seen = 0;
  for (int c = 0; c < 3; ++c) {
    const Channel& ch = channels.OfByte(c);
    if (!ch.Contiguous()) return RowMatch::Word32Any;
    uint32_t low = 0, high = 0;
    if (!ch.ValuesFor(static_cast<uint8_t>(colour >> (8 * c)), low, high)) return RowMatch::Never;
    test.masks[c] = ch.Mask();
    test.lows[c] = low << ch.Shift();
    test.spans[c] = (high - low) << ch.Shift();
    // One compare of the whole word serves when every channel needs a single
    // value and no two masks share a bit.
    exact = exact && low == high && (seen & ch.Mask()) == 0;
    seen |= ch.Mask();
    test.mask |= ch.Mask();
    test.value |= test.lows[c];
  }
  return exact ? RowMatch::Word32Exact : RowMatch::Word32Ranges;
}

void MatchIndex1(const uint8_t* row, size_t n, const uint8_t* table, uint8_t* out) {
  for (size_t x = 0; x < n; ++x) out[x] = table[(row[x / 8] >> (7 - x % 8)) & 1];
}

void MatchIndex4(const uint8_t* row, size_t n, const uint8_t* table, uint8_t* out) {
  const size_t pairs = n / 2;
  for (size_t i = 0; i < pairs; ++i) {
    out[2 * i] = table[row[i] >> 4];
    out[2 * i + 1] = table[row[i] & 0x0F];
  }
  if (n % 2 != 0) out[n - 1] = table[row[pairs] >> 4];
}

void MatchIndex8(const uint8_t* row, size_t n, const uint8_t* table, uint8_t* out) {
  for (size_t x = 0; x < n; ++x) out[x] = table[row[x]];
}

void MatchValue16(const uint8_t* row, size_t n, const uint8_t* table, uint8_t* out) {
  for (size_t x = 0; x < n; ++x) out[x] = table[row[2 * x] | row[2 * x + 1] << 8];
}

void MatchWord16Exact(const uint8_t* row, size_t n, const WordTest& test, uint8_t* out) {
  const uint32_t mask = test.mask, value = test.value;
  for (size_t x = 0; x < n; ++x) out[x] = ((row[2 * x] | row[2 * x + 1] << 8) & mask) == value;
}

void MatchWord16Ranges(const uint8_t* row, size_t n, const WordTest& test, uint8_t* out) {
  const uint32_t m0 = test.masks[0], m1 = test.masks[1], m2 = test.masks[2];
  const uint32_t l0 = test.lows[0], l1 = test.lows[1], l2 = test.lows[2];
  const uint32_t s0 = test.spans[0], s1 = test.spans[1], s2 = test.spans[2];
  for (size_t x = 0; x < n; ++x) {
    const uint32_t w = static_cast<uint32_t>(row[2 * x] | row[2 * x + 1] << 8);
    out[x] = ((w & m0) - l0 <= s0) & ((w & m1) - l1 <= s1) & ((w & m2) - l2 <= s2);
  }
}

void MatchTriple24(const uint8_t* row, size_t n, const WordTest& test, uint8_t* out) {
  // Each pixel read as the 4 bytes from its start, the fourth masked off.
  // The last pixel's fourth byte may lie past the data, so it is read alone.
  const uint32_t value = test.value;
  const size_t wordSafe = n - 1;
  for (size_t x = 0; x < wordSafe; ++x) out[x] = (LoadWord(row + 3 * x) & 0xFFFFFF) == value;
  const uint8_t* last = row + 3 * wordSafe;
  out[wordSafe] = (uint32_t{last[0]} | uint32_t{last[1]} << 8 | uint32_t{last[2]} << 16) == value;
}

void MatchWord32Exact(const uint8_t* row, size_t n, const WordTest& test, uint8_t* out) {
  const uint32_t mask = test.mask, value = test.value;
  for (size_t x = 0; x < n; ++x) out[x] = (LoadWord(row + 4 * x) & mask) == value;
}

void MatchWord32Ranges(const uint8_t* row, size_t n, const WordTest& test, uint8_t* out) {
  const uint32_t m0 = test.masks[0], m1 = test.masks[1], m2 = test.masks[2];
  const uint32_t l0 = test.lows[0], l1 = test.lows[1], l2 = test.lows[2];
  const uint32_t s0 = test.spans[0], s1 = test.spans[1], s2 = test.spans[2];
  for (size_t x = 0; x < n; ++x) {
    const uint32_t w = LoadWord(row + 4 * x);
    out[x] = ((w & m0) - l0 <= s0) & ((w & m1) - l1 <= s1) & ((w & m2) - l2 <= s2);
  }
}

}  // namespace vm::bmp
