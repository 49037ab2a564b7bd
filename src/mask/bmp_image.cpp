#include "mask/bmp_image.h"

#include <cstddef>
#include <new>

#include "mask/bmp_rle.h"
#include "mask/errors.h"
#include "platform/large_buffer.h"

namespace vm::bmp {
namespace {

// Run-length data becomes the plain layout of its own depth, rows bottom
// first. Its size is bounded by the header checks (at most 1 GiB).
void DecodeRunLength(StoredImage& image, uint64_t start) {
  const Layout& l = image.layout;
  const uint64_t bytes = l.stride * l.height;
  if (bytes == 0) return;
  void* memory = std::calloc(static_cast<size_t>(bytes), 1);
  if (memory == nullptr) throw LoadError(LoadFailure::TooLarge);
  HintLargeBuffer(memory, static_cast<size_t>(bytes));
  image.decoded.reset(static_cast<uint8_t*>(memory));
  const RleTarget target{image.decoded.get(), l.width, l.height, l.stride};
  const size_t size = image.file.size();
  const uint8_t* data = image.file.data() + start;
  if (l.encoding == Encoding::Rle8) DecodeRle8(data, size - start, target);
  else DecodeRle4(data, size - start, target);
  image.pixels = image.decoded.get();
  image.held = bytes;
}

}  // namespace

std::unique_ptr<StoredImage> ReadImage(std::vector<uint8_t> file) {
  auto image = std::make_unique<StoredImage>();
  image->layout = ParseHeaders(file.data(), file.size());
  image->file = std::move(file);
  const Layout& l = image->layout;
  image->channels = Channels(l.masks);
  // Pixel data that starts past the end of the file is all missing.
  const uint64_t size = image->file.size();
  const uint64_t start = l.pixelOffset < size ? l.pixelOffset : size;
  if (l.encoding != Encoding::Plain) {
    DecodeRunLength(*image, start);
  } else {
    image->pixels = image->file.data() + start;
    image->held = size - start;
  }
  return image;
}

StoredRow StoredImage::Row(uint32_t y) const {
  const uint64_t fileRow = layout.topDown ? y : layout.height - 1 - uint64_t{y};
  const uint64_t begin = fileRow * layout.stride;
  if (begin >= held) return {};
  const uint64_t rest = held - begin;
  return {pixels + begin, rest < layout.stride ? rest : layout.stride};
}

uint64_t StoredImage::WholePixels(const StoredRow& row) const {
  const uint64_t whole = row.held * 8 / layout.bitsPerPixel;
  return whole < layout.width ? whole : layout.width;
}

uint32_t StoredImage::StoredPixel(const StoredRow& row, uint64_t x) const {
  auto byte = [&row](uint64_t i) -> uint32_t { return i < row.held ? row.bytes[i] : 0; };
  switch (layout.bitsPerPixel) {
    case 1: return (byte(x / 8) >> (7 - x % 8)) & 1;
    case 4: return x % 2 == 0 ? byte(x / 2) >> 4 : byte(x / 2) & 0x0F;
    case 8: return byte(x);
    case 16: return byte(2 * x) | byte(2 * x + 1) << 8;
    case 24: return byte(3 * x) | byte(3 * x + 1) << 8 | byte(3 * x + 2) << 16;
    default: return byte(4 * x) | byte(4 * x + 1) << 8 | byte(4 * x + 2) << 16 | byte(4 * x + 3) << 24;
  }
}

uint32_t StoredImage::ColourOf(uint32_t stored) const {
  if (layout.bitsPerPixel <= 8) return layout.palette[stored & 0xFF];
  if (layout.bitsPerPixel == 24) return SwapRedBlue(stored);
  return channels.ColourOf(stored);
}

}  // namespace vm::bmp
