#pragma once
// The inner loops of row matching: out[x] = 1 where stored pixel x equals
// the prepared colour, for the n whole pixels at `row` (n >= 1; every byte
// of those pixels present).
#include <array>
#include <cstddef>
#include <cstdint>

#include "mask/bmp_channels.h"

namespace vm::bmp {

enum class RowMatch {
  Never,         // no pixel can have the colour
  Index1, Index4, Index8,  // through a 256-entry table of matching indices
  Value16,       // masks that are not contiguous: a 65536-entry table of matching values
  Word16Exact,   // (value & mask) == value, as for 32 bits
  Word16Ranges,
  Triple24,      // three bytes against the colour's blue, green, red
  Word32Exact,   // (word & mask) == value
  Word32Ranges,  // each channel's raw value within the range widening to its byte
  Word32Any,     // masks that are not contiguous: pixel by pixel
};

// A 24- or 32-bit colour in stored form. For ranges, channel c matches when
// (word & masks[c]) - lows[c] <= spans[c] in unsigned 32-bit arithmetic.
struct WordTest {
  uint32_t mask = 0;
  uint32_t value = 0;
  std::array<uint32_t, 3> masks{}, lows{}, spans{};
};

WordTest TripleTest(uint32_t colour);
// Fills `test` for 16- or 32-bit pixels of these channels; returns the
// 32-bit loop to use (Word32Any when a mask is not contiguous).
RowMatch PlanWordTest(const Channels& channels, uint32_t colour, WordTest& test);

void MatchIndex1(const uint8_t* row, size_t n, const uint8_t* table, uint8_t* out);
void MatchIndex4(const uint8_t* row, size_t n, const uint8_t* table, uint8_t* out);
void MatchIndex8(const uint8_t* row, size_t n, const uint8_t* table, uint8_t* out);
void MatchValue16(const uint8_t* row, size_t n, const uint8_t* table, uint8_t* out);
void MatchWord16Exact(const uint8_t* row, size_t n, const WordTest& test, uint8_t* out);
void MatchWord16Ranges(const uint8_t* row, size_t n, const WordTest& test, uint8_t* out);
void MatchTriple24(const uint8_t* row, size_t n, const WordTest& test, uint8_t* out);
void MatchWord32Exact(const uint8_t* row, size_t n, const WordTest& test, uint8_t* out);
void MatchWord32Ranges(const uint8_t* row, size_t n, const WordTest& test, uint8_t* out);

}  // namespace vm::bmp
