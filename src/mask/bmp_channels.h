#pragma once
// Colour channels of 16- and 32-bit pixels: the bits under a channel's mask,
// brought to the range 0-255.
//
// The channel's value is the bits of the pixel under its mask, compacted in
// their order (for the usual contiguous masks: shifted down by the mask's
// lowest set bit). It is widened to a byte the way the system's own drawing
// code does it: a value narrower than 8 bits has its bits repeated from the
// top until the byte is full (5 bits: abcde -> abcdeabc, so 0, 8, 16, 24, ...
// 255), a mask 8 bits wide yields its byte unchanged, a wider one keeps its
// top 8 bits, and an empty mask gives 0.
// Masks that overlap are read each on its own.
#include <array>
#include <cstdint>

namespace vm::bmp {

class Channel {
 public:
  explicit Channel(uint32_t mask);

  uint32_t Value(uint32_t pixel) const;  // compacted bits under the mask
  uint8_t Widen(uint32_t value) const;   // value in 0 .. Max() to 0 .. 255
  uint8_t Of(uint32_t pixel) const { return Widen(Value(pixel)); }

  uint32_t Mask() const { return mask_; }
  uint32_t Max() const { return max_; }
  bool Contiguous() const { return contiguous_; }
  unsigned Shift() const { return shift_; }

  // The channel values that widen to `target` form one range, since widening
  // never decreases; returns false when no value does.
  bool ValuesFor(uint8_t target, uint32_t& low, uint32_t& high) const;

 private:
  uint32_t mask_;
  uint32_t max_;
  unsigned bits_;
  unsigned shift_;
  bool contiguous_;
};

// 24-bit pixels are stored blue, green, red, the reverse of a colour's
// 0x00BBGGRR: the same swap turns either form into the other.
inline uint32_t SwapRedBlue(uint32_t v) { return (v >> 16 & 0xFF) | (v & 0xFF00) | (v & 0xFF) << 16; }

// The red, green and blue channels of one pixel layout.
class Channels {
 public:
  explicit Channels(const std::array<uint32_t, 3>& masks)
      : red_(masks[0]), green_(masks[1]), blue_(masks[2]) {}
  // The colour 0x00BBGGRR of a stored pixel value.
  uint32_t ColourOf(uint32_t pixel) const {
    return uint32_t{red_.Of(pixel)} | uint32_t{green_.Of(pixel)} << 8 |
           uint32_t{blue_.Of(pixel)} << 16;
  }
  // The channel of byte c of a colour 0x00BBGGRR: 0 red, 1 green, 2 blue.
  const Channel& OfByte(int c) const { return c == 0 ? red_ : c == 1 ? green_ : blue_; }

 private:
  Channel red_, green_, blue_;
};

}  // namespace vm::bmp
