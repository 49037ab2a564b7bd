#pragma once
// A loaded BMP image in its stored form: the file's own bytes, or run-length
// data decoded to the plain layout of its depth. Rows are found by their
// place in the file; bytes that a short file lacks read as zero, so a
// missing palette pixel is colour-table entry 0 and a missing deeper pixel
// is black.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "mask/bmp_channels.h"
#include "mask/bmp_header.h"

namespace vm::bmp {

// Zero-filled memory from calloc: pages that run-length decoding never
// touches cost nothing on systems that hand out zeroed pages lazily.
struct FreeDeleter {
  void operator()(uint8_t* p) const { std::free(p); }
};
using ZeroedBuffer = std::unique_ptr<uint8_t, FreeDeleter>;

// One stored row: `held` of its bytes are present (fewer than the stride
// only in a file cut short), the rest read as zero.
struct StoredRow {
  const uint8_t* bytes = nullptr;
  uint64_t held = 0;
};

struct StoredImage {
  Layout layout;
  std::vector<uint8_t> file;
  ZeroedBuffer decoded;             // run-length files only
  const uint8_t* pixels = nullptr;  // the first stored row
  uint64_t held = 0;                // bytes of pixel data present
  Channels channels{{0, 0, 0}};     // 16 and 32 bits per pixel

  // Row y counted from the top of the picture, 0 <= y < height.
  StoredRow Row(uint32_t y) const;
  // Leading pixels of the row whose bytes are all present.
  uint64_t WholePixels(const StoredRow& row) const;
  // The stored value of pixel x (an index, or the pixel's bytes as a
  // little-endian number), missing bytes read as zero.
  uint32_t StoredPixel(const StoredRow& row, uint64_t x) const;
  // The colour 0x00BBGGRR of a stored value.
  uint32_t ColourOf(uint32_t stored) const;
};

// Builds the image from a whole file of at least one byte. Throws LoadError.
std::unique_ptr<StoredImage> ReadImage(std::vector<uint8_t> file);

}  // namespace vm::bmp
