#pragma once
// Sets the x87 unit's precision control to 64-bit significands (extended)
// for the lifetime of the object and restores the previous control word.
// Windows gives 32-bit programs 53 bits by default, which changes long double
// results. A no-op where long double does not use the x87 unit.
#include <cstdint>

namespace vm {

class ExtendedPrecisionScope {
 public:
#if (defined(__i386__) || defined(__x86_64__)) && defined(__GNUC__)
  ExtendedPrecisionScope() {
    __asm__ __volatile__("fnstcw %0" : "=m"(saved_));
    const uint16_t extended = static_cast<uint16_t>(saved_ | kPrecisionBits);
    __asm__ __volatile__("fldcw %0" : : "m"(extended) : "memory");
  }
  ~ExtendedPrecisionScope() { __asm__ __volatile__("fldcw %0" : : "m"(saved_) : "memory"); }

 private:
  static constexpr uint16_t kPrecisionBits = 0x0300;  // PC field: 11 = 64-bit significand
  uint16_t saved_ = 0;
#else
  ExtendedPrecisionScope() = default;
#endif
  ExtendedPrecisionScope(const ExtendedPrecisionScope&) = delete;
  ExtendedPrecisionScope& operator=(const ExtendedPrecisionScope&) = delete;
};

// Test helpers: read and set the x87 precision control field (0 = 24 bits,
// 2 = 53 bits, 3 = 64 bits). Return -1 / do nothing without an x87 unit.
inline int X87PrecisionControl() {
#if (defined(__i386__) || defined(__x86_64__)) && defined(__GNUC__)
  uint16_t cw = 0;
  __asm__ __volatile__("fnstcw %0" : "=m"(cw));
  return (cw >> 8) & 3;
#else
  return -1;
#endif
}

inline void SetX87PrecisionControl(int pc) {
#if (defined(__i386__) || defined(__x86_64__)) && defined(__GNUC__)
  uint16_t cw = 0;
  __asm__ __volatile__("fnstcw %0" : "=m"(cw));
  cw = static_cast<uint16_t>((cw & ~0x0300u) | ((pc & 3u) << 8));
  __asm__ __volatile__("fldcw %0" : : "m"(cw) : "memory");
#else
  (void)pc;
#endif
}

}  // namespace vm
