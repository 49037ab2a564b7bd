#include "mask/bitmap.h"

#include <new>
#include <utility>

#include "mask/bmp_image.h"
#include "mask/errors.h"

namespace vm {

Bitmap::Bitmap() = default;

Bitmap Bitmap::Load(std::vector<uint8_t> fileBytes) {
  Bitmap bitmap;
  if (fileBytes.empty()) return bitmap;  // a file of 0 bytes is the empty image
  try {
    bitmap.image_ = bmp::ReadImage(std::move(fileBytes));
  } catch (const std::bad_alloc&) {
    throw LoadError(LoadFailure::TooLarge);  // the memory for its image cannot be had
  }
  return bitmap;
}

int32_t Bitmap::Width() const {
  return image_ ? static_cast<int32_t>(image_->layout.width) : 0;
}

int32_t Bitmap::Height() const {
  return image_ ? static_cast<int32_t>(image_->layout.height) : 0;
}

uint32_t Bitmap::Pixel(int32_t x, int32_t y) const {
  if (x < 0 || y < 0 || x >= Width() || y >= Height()) return 0;
  const bmp::StoredRow row = image_->Row(static_cast<uint32_t>(y));
  return image_->ColourOf(image_->StoredPixel(row, static_cast<uint64_t>(x)));
}

}  // namespace vm
