#include "bench_picture.h"

#include <algorithm>
#include <cmath>

namespace vm::bench {
namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

struct Blob {
  double cx, cy, rx, ry;
};

// Eight blobs of different sizes spread over the picture.
std::vector<Blob> Blobs(int32_t width, int32_t height) {
  const double w = width, h = height;
  return {{0.20 * w, 0.18 * h, 0.12 * w, 0.10 * h}, {0.55 * w, 0.22 * h, 0.18 * w, 0.12 * h},
          {0.85 * w, 0.30 * h, 0.08 * w, 0.20 * h}, {0.30 * w, 0.55 * h, 0.20 * w, 0.15 * h},
          {0.70 * w, 0.62 * h, 0.15 * w, 0.18 * h}, {0.15 * w, 0.85 * h, 0.10 * w, 0.08 * h},
          {0.50 * w, 0.88 * h, 0.25 * w, 0.07 * h}, {0.90 * w, 0.90 * h, 0.06 * w, 0.06 * h}};
}

// Pixel rows: stride padded to 4 bytes.
void AppendRow(std::vector<uint8_t>& out, const BenchPicture& p, int32_t y, BenchFormat format) {
  const std::size_t start = out.size();
  const uint8_t* row = &p.indices[static_cast<std::size_t>(y) * p.width];
  for (int32_t x = 0; x < p.width; ++x) {
    const uint32_t c = p.palette[row[x]];
    if (format == BenchFormat::Indexed8) {
      out.push_back(row[x]);
      continue;
    }
    out.push_back(static_cast<uint8_t>(c >> 16));  // blue
    out.push_back(static_cast<uint8_t>(c >> 8));   // green
    out.push_back(static_cast<uint8_t>(c));        // red
    if (format == BenchFormat::Rgb32) out.push_back(static_cast<uint8_t>(x));  // unused byte
  }
  while ((out.size() - start) % 4 != 0) out.push_back(0);
}

// One row as RLE8: runs of one index as (count, index), other stretches in
// absolute mode (0, count, indices, padded to a 16-bit boundary), then the
// end-of-line escape.
void AppendRle8Row(std::vector<uint8_t>& out, const uint8_t* row, int32_t width) {
  int32_t x = 0;
  while (x < width) {
    int32_t run = 1;
    while (x + run < width && run < 255 && row[x + run] == row[x]) ++run;
    if (run >= 3) {
      out.push_back(static_cast<uint8_t>(run));
      out.push_back(row[x]);
      x += run;
      continue;
    }
    int32_t literal = 0;  // up to the next run of three equal indices
    while (x + literal < width && literal < 255) {
      const int32_t at = x + literal;
      if (at + 2 < width && row[at] == row[at + 1] && row[at] == row[at + 2]) break;
      ++literal;
    }
    if (literal < 3) {  // absolute mode needs at least 3 indices
      for (int32_t i = 0; i < literal; ++i) {
        out.push_back(1);
        out.push_back(row[x + i]);
      }
    } else {
      out.push_back(0);
      out.push_back(static_cast<uint8_t>(literal));
      out.insert(out.end(), row + x, row + x + literal);
      if (literal % 2 != 0) out.push_back(0);
    }
    x += literal;
  }
  out.push_back(0);  // end of line
  out.push_back(0);
}

}  // namespace

BenchPicture MakeSpritePicture(int32_t width, int32_t height) {
  BenchPicture p;
  p.width = width;
  p.height = height;
  p.palette.resize(256);
  p.palette[0] = kBenchTransparent;
  for (uint32_t i = 1; i < 256; ++i) p.palette[i] = (i * 0x010305u) & 0x00FEFEFEu;  // never magenta
  p.indices.assign(static_cast<std::size_t>(width) * height, 0);
  const std::vector<Blob> blobs = Blobs(width, height);
  for (int32_t y = 0; y < height; ++y) {
    uint8_t* row = &p.indices[static_cast<std::size_t>(y) * width];
    for (std::size_t b = 0; b < blobs.size(); ++b) {
      const Blob& blob = blobs[b];
      const double dy = (y - blob.cy) / blob.ry;
      if (dy * dy >= 1.0) continue;
      const double half = blob.rx * std::sqrt(1.0 - dy * dy);
      const int32_t from = std::max<int32_t>(0, static_cast<int32_t>(blob.cx - half));
      const int32_t to = std::min<int32_t>(width, static_cast<int32_t>(blob.cx + half));
      // Texture: stripes of 16 pixels with a few transparent holes, like
      // eyes and gaps in a sprite.
      for (int32_t x = from; x < to; ++x) {
        const bool hole = ((x / 64 + y / 64 + static_cast<int32_t>(b)) % 7 == 0) && (x % 64 < 12);
        row[x] = hole ? 0 : static_cast<uint8_t>(1 + ((x / 16 + y / 8 + b * 31) % 255));
      }
    }
  }
  return p;
}

std::vector<uint8_t> EncodeBmp(const BenchPicture& p, BenchFormat format) {
  const bool indexed = format == BenchFormat::Indexed8 || format == BenchFormat::Rle8;
  const uint16_t bits = format == BenchFormat::Rgb24 ? 24 : format == BenchFormat::Rgb32 ? 32 : 8;
  std::vector<uint8_t> pixels;
  for (int32_t y = p.height - 1; y >= 0; --y) {
    if (format == BenchFormat::Rle8)
      AppendRle8Row(pixels, &p.indices[static_cast<std::size_t>(y) * p.width], p.width);
    else
      AppendRow(pixels, p, y, format);
  }
  if (format == BenchFormat::Rle8) {
    pixels.push_back(0);  // end of bitmap
    pixels.push_back(1);
  }
  const uint32_t tableBytes = indexed ? 256 * 4 : 0;
  const uint32_t offset = 14 + 40 + tableBytes;
  std::vector<uint8_t> out;
  out.reserve(offset + pixels.size());
  out.push_back('B');
  out.push_back('M');
  Put32(out, offset + static_cast<uint32_t>(pixels.size()));  // file size
  Put32(out, 0);                                              // reserved
  Put32(out, offset);                                         // pixel data offset
  Put32(out, 40);                                             // info header size
  Put32(out, static_cast<uint32_t>(p.width));
  Put32(out, static_cast<uint32_t>(p.height));  // bottom row first
  Put16(out, 1);                                // planes
  Put16(out, bits);
  Put32(out, format == BenchFormat::Rle8 ? 1 : 0);  // compression
  Put32(out, static_cast<uint32_t>(pixels.size()));
  Put32(out, 2835);
  Put32(out, 2835);
  Put32(out, indexed ? 256 : 0);  // colours used
  Put32(out, 0);
  if (indexed) {
    for (uint32_t c : p.palette) {
      out.push_back(static_cast<uint8_t>(c >> 16));
      out.push_back(static_cast<uint8_t>(c >> 8));
      out.push_back(static_cast<uint8_t>(c));
      out.push_back(0);
    }
  }
  out.insert(out.end(), pixels.begin(), pixels.end());
  return out;
}

std::string FormatName(BenchFormat format) {
  switch (format) {
    case BenchFormat::Rgb24: return "24";
    case BenchFormat::Rgb32: return "32";
    case BenchFormat::Indexed8: return "8";
    case BenchFormat::Rle8: return "rle8";
  }
  return "?";
}

}  // namespace vm::bench
