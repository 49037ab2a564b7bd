#pragma once
// The scan of one bitmap into its mask file: rows from the top, columns from
// the left, each span written the moment it ends; spans never continue into
// the next row.
#include <cstdint>

#include "mask/bitmap.h"
#include "mask/mask_writer.h"
#include "platform/scan_host.h"

namespace vm {

enum class ScanOutcome { Completed, Stopped };

// k: this bitmap's position in the list, n: the number of listed bitmaps.
ScanOutcome ScanBitmap(const Bitmap& bitmap, uint32_t colour, MaskWriter& mask, ScanHost& host,
                       int k, int n);

}  // namespace vm
