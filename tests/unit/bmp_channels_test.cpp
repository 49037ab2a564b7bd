// Channel widening and the ranges of raw values that widen to each byte,
// checked by brute force over every value of masks up to 16 bits wide.
#include <gtest/gtest.h>

#include <cmath>

#include "mask/bmp_channels.h"

namespace vm::bmp {
namespace {

TEST(BmpChannels, WidenRepeatsBitsAndRangesAreExact) {
  for (unsigned width = 1; width <= 16; ++width) {
    const uint32_t mask = ((uint32_t{1} << width) - 1) << (width % 5);
    const Channel channel(mask);
    ASSERT_TRUE(channel.Contiguous());
    ASSERT_EQ(channel.Max(), (uint32_t{1} << width) - 1);
    std::vector<uint32_t> low(256, UINT32_MAX), high(256, 0);
    for (uint32_t v = 0; v <= channel.Max(); ++v) {
      // Bits repeated from the top (abc -> abcabcab); wider than 8: top 8.
      uint64_t repeated = 0;
      unsigned filled = 0;
      for (; filled < 8; filled += width) repeated = repeated << width | v;
      const uint32_t expected = static_cast<uint32_t>(repeated >> (filled - 8));
      ASSERT_EQ(channel.Widen(v), expected) << width << " bits, value " << v;
      ASSERT_EQ(channel.Of(v << (width % 5)), expected);
      low[expected] = std::min(low[expected], v);
      high[expected] = std::max(high[expected], v);
    }
    for (unsigned t = 0; t < 256; ++t) {
      uint32_t lo = 0, hi = 0;
      const bool any = channel.ValuesFor(static_cast<uint8_t>(t), lo, hi);
      ASSERT_EQ(any, low[t] != UINT32_MAX) << width << " bits, byte " << t;
      if (any) {
        EXPECT_EQ(lo, low[t]);
        EXPECT_EQ(hi, high[t]);
      }
    }
  }
}

TEST(BmpChannels, EightBitMaskKeepsTheByte) {
  for (uint32_t mask : {0xFFu, 0xFF00u, 0xFF0000u, 0xFF000000u}) {
    const Channel channel(mask);
    for (uint32_t v = 0; v < 256; ++v) {
      uint32_t lo = 0, hi = 0;
      ASSERT_EQ(channel.Widen(v), v);
      ASSERT_TRUE(channel.ValuesFor(static_cast<uint8_t>(v), lo, hi));
      ASSERT_EQ(lo, v);
      ASSERT_EQ(hi, v);
    }
  }
}

TEST(BmpChannels, WholeWordEmptyAndScatteredMasks) {
  const Channel whole(0xFFFFFFFF);
  EXPECT_EQ(whole.Widen(0xFFFFFFFF), 255);
  EXPECT_EQ(whole.Widen(0x80000000), 128);  // the top 8 bits
  EXPECT_EQ(whole.Widen(0x7FFFFFFF), 127);
  uint32_t lo = 0, hi = 0;
  ASSERT_TRUE(whole.ValuesFor(255, lo, hi));
  EXPECT_EQ(hi, 0xFFFFFFFFu);

  const Channel empty(0);
  EXPECT_EQ(empty.Of(0xFFFFFFFF), 0);
  EXPECT_TRUE(empty.ValuesFor(0, lo, hi));
  EXPECT_FALSE(empty.ValuesFor(1, lo, hi));

  // Bits 1 and 3 compacted to a 2-bit value: 0, 85, 170, 255.
  const Channel scattered(0b1010);
  EXPECT_FALSE(scattered.Contiguous());
  EXPECT_EQ(scattered.Of(0b0000), 0);
  EXPECT_EQ(scattered.Of(0b0010), 85);
  EXPECT_EQ(scattered.Of(0b1000), 170);
  EXPECT_EQ(scattered.Of(0b1111), 255);
}

}  // namespace
}  // namespace vm::bmp
