#include "mask/bmp_channels.h"

namespace vm::bmp {
namespace {

unsigned CountBits(uint32_t v) {
  unsigned n = 0;
  for (; v != 0; v &= v - 1) ++n;
  return n;
}

unsigned LowestBit(uint32_t v) {
  unsigned n = 0;
  while (v != 0 && (v & 1) == 0) {
    v >>= 1;
    ++n;
  }
  return n;
}

}  // namespace

Channel::Channel(uint32_t mask) : mask_(mask), bits_(CountBits(mask)), shift_(LowestBit(mask)) {
  max_ = bits_ == 32 ? 0xFFFFFFFFu : (uint32_t{1} << bits_) - 1;
  contiguous_ = mask == 0 || (mask >> shift_) == max_;
}

uint32_t Channel::Value(uint32_t pixel) const {
  if (contiguous_) return (pixel & mask_) >> shift_;
  uint32_t value = 0;
  unsigned out = 0;
  for (uint32_t rest = mask_; rest != 0; rest &= rest - 1, ++out) {
    const uint32_t bit = rest & (~rest + 1);  // lowest remaining mask bit
    if (pixel & bit) value |= uint32_t{1} << out;
  }
  return value;
}

uint8_t Channel::Widen(uint32_t value) const {
  if (bits_ == 0) return 0;
  if (bits_ >= 8) return static_cast<uint8_t>(value >> (bits_ - 8));
  uint32_t repeated = 0;
  unsigned filled = 0;
  for (; filled < 8; filled += bits_) repeated = repeated << bits_ | value;
  return static_cast<uint8_t>(repeated >> (filled - 8));
}

bool Channel::ValuesFor(uint8_t target, uint32_t& low, uint32_t& high) const {
  // Smallest value widening to at least target, then to more than target.
  auto firstAtLeast = [this](unsigned t) {
    uint64_t lo = 0, hi = uint64_t{max_} + 1;  // answer in [lo, hi]; hi = none
    while (lo < hi) {
      const uint64_t mid = lo + (hi - lo) / 2;
      if (Widen(static_cast<uint32_t>(mid)) >= t) hi = mid; else lo = mid + 1;
    }
    return lo;
  };
  const uint64_t first = firstAtLeast(target);
  const uint64_t pastLast = target == 255 ? uint64_t{max_} + 1 : firstAtLeast(target + 1u);
  if (first >= pastLast) return false;
  low = static_cast<uint32_t>(first);
  high = static_cast<uint32_t>(pastLast - 1);
  return true;
}

}  // namespace vm::bmp
