#pragma once
// The progress position after row y of bitmap k of n, in x87 extended
// precision, each step rounded to nearest in the fixed order, then truncated:
//
//   a = 100 / n;  p = a * k;  b = 100 / n;  q = y / (height - 1);
//   r = q * b;    s = r + p;  position = s truncated toward zero
//
// The order matters: for 6, 13, 15, 18, 23 and 24 bitmaps the last row of the
// last one gives 99.99... and shows 99, not 100, exactly as users know it.
//
// A bitmap one row high has no divisor (height - 1 = 0). Its only row counts
// as a last row: q is taken as 1, so the position is the truncated
// (100 / n) * k + 100 / n, the value every taller bitmap shows after its last
// row, computed with the same steps.
//
// The x87 unit's precision control is set to 64-bit significands for the
// computation and restored afterwards, since Windows starts 32-bit threads
// at 53 bits and some system DLLs change it.
//
// Out-of-range input (n < 1, height < 1) gives 0; the result is always
// within 0 ... 100.
#include <cstdint>

namespace vm {

int ProgressPosition(int64_t y, int64_t height, int64_t k, int64_t n);

}  // namespace vm
