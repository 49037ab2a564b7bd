#pragma once
// Sprite-like test pictures for the benchmarks: a transparent background
// with a few opaque, textured blobs, so that most rows hold a few long spans,
// as the game sprites this tool is made for do. Deterministic, so every run
// measures the same pictures.
#include <cstdint>
#include <string>
#include <vector>

namespace vm::bench {

inline constexpr uint32_t kBenchTransparent = 0x00FF00FF;  // magenta, 0x00BBGGRR
inline constexpr const char* kBenchColourText = "$FF00FF";

enum class BenchFormat { Rgb24, Rgb32, Indexed8, Rle8 };

struct BenchPicture {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint32_t> palette;  // 256 entries; entry 0 is the transparent colour
  std::vector<uint8_t> indices;   // width * height, top row first
};

BenchPicture MakeSpritePicture(int32_t width, int32_t height);

// A whole BMP file (bottom row first) of the picture in the given format.
std::vector<uint8_t> EncodeBmp(const BenchPicture& picture, BenchFormat format);

std::string FormatName(BenchFormat format);  // "24", "32", "8", "rle8"

}  // namespace vm::bench
