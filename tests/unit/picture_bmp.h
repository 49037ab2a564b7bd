#pragma once
// Small pictures drawn as text, turned into BMP files: "T" is the transparent
// colour used by the scan tests, any other letter another colour.
#include <cstdint>
#include <string>
#include <vector>

#include "bmp_builder.h"

namespace vm::testing {

inline constexpr uint32_t kTransparent = 0x00FF00FF;  // magenta, 0x00BBGGRR

// The colour a picture letter stands for. "T" is kTransparent; R, G and B
// differ from it in that one channel only, so a matcher that ignores a
// channel fails; anything else is black.
inline uint32_t PictureColour(char letter) {
  switch (letter) {
    case 'T': return kTransparent;
    case 'R': return kTransparent & ~0x0000FFu;  // red differs
    case 'G': return kTransparent | 0x00FF00u;   // green differs
    case 'B': return kTransparent & ~0xFF0000u;  // blue differs
    default: return 0x00000000;
  }
}

// A bottom-up 24-bit BMP of rows.size() rows, each as wide as rows[0] (or
// width, when given), row 0 the top row.
inline std::vector<uint8_t> PictureBmp(const std::vector<std::string>& rows, int32_t width = -1) {
  if (width < 0) width = rows.empty() ? 0 : static_cast<int32_t>(rows[0].size());
  std::vector<uint32_t> colours;
  for (const std::string& row : rows)
    for (char letter : row) colours.push_back(PictureColour(letter));
  return vm::test::Bmp24(width, static_cast<int32_t>(rows.size()), colours);
}

}  // namespace vm::testing
