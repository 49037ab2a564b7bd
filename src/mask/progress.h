#pragma once
// The progress position after row y of bitmap k of n, in x87 extended
// precision, each step rounded to nearest in the fixed order, then truncated.
#include <cstdint>

namespace vm {

int ProgressPosition(int64_t y, int64_t height, int64_t k, int64_t n);

}  // namespace vm
