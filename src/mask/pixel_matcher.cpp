// Row matching in stored form: palette indices through a table of matching
// entries, 24-bit triples and 16- and 32-bit words by masked compares (a
// table of all 65536 values for 16-bit masks that are not contiguous). The
// matcher is prepared once per colour; MatchRow then runs the inner loops of
// bmp_row_match.cpp over the row's bytes, which is where a scan spends its time.
#include <cstring>
#include <vector>

#include "mask/bitmap.h"
#include "mask/bmp_image.h"
#include "mask/bmp_row_match.h"

namespace vm {
namespace bmp {

// How one matcher tests pixels against its colour.
struct MatchPlan {
  uint32_t colour = 0;
  RowMatch kind = RowMatch::Never;
  std::vector<uint8_t> table;  // per index (256) or per 16-bit value (65536)
  WordTest words;              // 16, 24 and 32 bits
};

}  // namespace bmp

namespace {

using Plan = bmp::MatchPlan;

void FillTable256(const bmp::StoredImage& image, uint32_t colour, Plan& s) {
  s.table.resize(256);
  for (size_t v = 0; v < 256; ++v)
    s.table[v] = image.ColourOf(static_cast<uint32_t>(v)) == colour;
}

// 16-bit values with masks that are not contiguous: a table over all 65536
// of them, built from the channel value ranges that widen to the colour's
// bytes (no division per value).
void FillTable16(const bmp::Channels& channels, uint32_t colour, Plan& s) {
  uint32_t low[3], high[3];
  for (int c = 0; c < 3; ++c)
    if (!channels.OfByte(c).ValuesFor(static_cast<uint8_t>(colour >> (8 * c)), low[c], high[c])) return;
  // Compacting bits is done bit by bit, so a value's channel is the union of
  // what its low byte and its high byte give: two 256-entry tables each.
  std::vector<uint32_t> fromLow(3 * 256), fromHigh(3 * 256);
  for (int c = 0; c < 3; ++c) {
    for (uint32_t b = 0; b < 256; ++b) {
      fromLow[c * 256 + b] = channels.OfByte(c).Value(b);
      fromHigh[c * 256 + b] = channels.OfByte(c).Value(b << 8);
    }
  }
  s.kind = bmp::RowMatch::Value16;
  s.table.resize(65536);
  for (uint32_t v = 0; v < 65536; ++v) {
    bool match = true;
    for (int c = 0; c < 3; ++c) {
      const uint32_t value = fromLow[c * 256 + (v & 0xFF)] | fromHigh[c * 256 + (v >> 8)];
      match = match && value >= low[c] && value <= high[c];
    }
    s.table[v] = match;
  }
}

// Picks the fastest exact test for this image's stored form.
void Prepare(const bmp::StoredImage& image, uint32_t colour, Plan& s) {
  const unsigned bpp = image.layout.bitsPerPixel;
  if (colour > 0xFFFFFF) return;  // no pixel colour has bits 24-31 set
  if (bpp <= 8) {
    s.kind = bpp == 8 ? bmp::RowMatch::Index8 : bpp == 4 ? bmp::RowMatch::Index4 : bmp::RowMatch::Index1;
    FillTable256(image, colour, s);
  } else if (bpp == 16) {
    const bmp::RowMatch plan = bmp::PlanWordTest(image.channels, colour, s.words);
    if (plan == bmp::RowMatch::Word32Any) FillTable16(image.channels, colour, s);
    else if (plan == bmp::RowMatch::Word32Exact) s.kind = bmp::RowMatch::Word16Exact;
    else if (plan == bmp::RowMatch::Word32Ranges) s.kind = bmp::RowMatch::Word16Ranges;
  } else if (bpp == 24) {
    s.kind = bmp::RowMatch::Triple24;
    s.words = bmp::TripleTest(colour);
  } else {
    s.kind = bmp::PlanWordTest(image.channels, colour, s.words);
  }
}

}  // namespace

PixelMatcher Bitmap::MatcherFor(uint32_t colour) const {
  PixelMatcher matcher;
  matcher.image_ = image_;
  auto state = std::make_shared<Plan>();
  state->colour = colour;
  if (image_) Prepare(*image_, colour, *state);
  matcher.plan_ = std::move(state);
  return matcher;
}

void PixelMatcher::MatchRow(int32_t y, uint8_t* out) const {
  if (!image_ || y < 0 || static_cast<uint32_t>(y) >= image_->layout.height) return;
  const bmp::StoredImage& image = *image_;
  const Plan& s = *plan_;
  const uint64_t width = image.layout.width;
  const bmp::StoredRow row = image.Row(static_cast<uint32_t>(y));
  const uint64_t whole = image.WholePixels(row);
  if (whole > 0) {
    const size_t n = static_cast<size_t>(whole);
    switch (s.kind) {
      case bmp::RowMatch::Never: std::memset(out, 0, n); break;
      case bmp::RowMatch::Index1: bmp::MatchIndex1(row.bytes, n, s.table.data(), out); break;
      case bmp::RowMatch::Index4: bmp::MatchIndex4(row.bytes, n, s.table.data(), out); break;
      case bmp::RowMatch::Index8: bmp::MatchIndex8(row.bytes, n, s.table.data(), out); break;
      case bmp::RowMatch::Value16: bmp::MatchValue16(row.bytes, n, s.table.data(), out); break;
      case bmp::RowMatch::Word16Exact: bmp::MatchWord16Exact(row.bytes, n, s.words, out); break;
      case bmp::RowMatch::Word16Ranges: bmp::MatchWord16Ranges(row.bytes, n, s.words, out); break;
      case bmp::RowMatch::Triple24: bmp::MatchTriple24(row.bytes, n, s.words, out); break;
      case bmp::RowMatch::Word32Exact: bmp::MatchWord32Exact(row.bytes, n, s.words, out); break;
      case bmp::RowMatch::Word32Ranges: bmp::MatchWord32Ranges(row.bytes, n, s.words, out); break;
      case bmp::RowMatch::Word32Any:
        for (size_t x = 0; x < n; ++x) out[x] = image.ColourOf(image.StoredPixel(row, x)) == s.colour;
        break;
    }
  }
  if (whole == width) return;
  // A file cut short: one pixel may be partly present, the rest are zero bytes.
  out[whole] = image.ColourOf(image.StoredPixel(row, whole)) == s.colour;
  const uint8_t zero = image.ColourOf(0) == s.colour;
  std::memset(out + whole + 1, zero, static_cast<size_t>(width - whole - 1));
}

}  // namespace vm
