#pragma once
// Finds the spans of one row of match bytes (1 = the transparent colour,
// 0 = another) fast: runs of equal bytes are skipped eight at a time. Sprite
// pictures have long runs and few spans per row, so this is where a quiet
// scan spends its time.
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace vm {

namespace detail {

inline constexpr uint64_t kAllOnes = 0x0101010101010101ull;

// The first position at or after from (and before end) whose byte differs
// from value (0 or 1); end when there is none.
inline std::size_t SkipRun(const uint8_t* row, std::size_t from, std::size_t end, uint8_t value) {
  const uint64_t pattern = value ? kAllOnes : 0;
  std::size_t x = from;
  while (x + 8 <= end) {
    uint64_t word;
    std::memcpy(&word, row + x, sizeof word);
    if (word != pattern) break;
    x += 8;
  }
  while (x < end && row[x] == value) ++x;
  return x;
}

}  // namespace detail

// Calls emit(left, right) for every maximal run of 1 bytes in row[0, width),
// left to right, right exclusive.
template <typename Emit>
void ForEachSpan(const uint8_t* row, std::size_t width, Emit&& emit) {
  std::size_t x = 0;
  while (x < width) {
    const std::size_t left = detail::SkipRun(row, x, width, 0);
    if (left == width) return;
    const std::size_t right = detail::SkipRun(row, left, width, 1);
    emit(left, right);
    x = right;
  }
}

}  // namespace vm
