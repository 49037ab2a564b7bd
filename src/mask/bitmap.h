#pragma once
// A loaded BMP image. Pixels stay in their stored form (the file's own bytes,
// or an RLE stream decoded to the same uncompressed layout), so memory stays
// about the size of the file; colours are compared in that form row by row.
#include <cstdint>
#include <memory>
#include <vector>

namespace vm {

namespace bmp {
struct StoredImage;
struct MatchPlan;
}
class Bitmap;

// Marks, row by row, which pixels equal one colour. Made once per scan.
class PixelMatcher {
 public:
  // out[x] = 1 where pixel (x, y) equals the colour, else 0; out holds Width() bytes.
  void MatchRow(int32_t y, uint8_t* out) const;

 private:
  friend class Bitmap;
  std::shared_ptr<const bmp::StoredImage> image_;  // kept alive by the matcher too
  std::shared_ptr<const bmp::MatchPlan> plan_;
};

class Bitmap {
 public:
  Bitmap();  // the empty image, 0 x 0
  // Parses a whole BMP file. Throws LoadError.
  static Bitmap Load(std::vector<uint8_t> fileBytes);

  int32_t Width() const;
  int32_t Height() const;  // the absolute value of the stored height
  // Colour 0x00BBGGRR of pixel (x, y), y = 0 the top row.
  uint32_t Pixel(int32_t x, int32_t y) const;
  PixelMatcher MatcherFor(uint32_t colour) const;

 private:
  friend class PixelMatcher;
  std::shared_ptr<const bmp::StoredImage> image_;  // null for the empty image
};

}  // namespace vm
