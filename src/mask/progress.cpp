#include "mask/progress.h"

#include "mask/x87_precision.h"

namespace vm {
namespace {

// Each step is its own statement on long double values, so every result is
// rounded to the 64-bit significand before the next step uses it. The build
// never contracts a multiply and an add into one operation (-ffp-contract=off)
// and never uses -ffast-math.
int ProgressSteps(long double y, long double height, long double k, long double n) {
  const long double a = 100.0L / n;
  const long double p = a * k;
  const long double b = 100.0L / n;
  const long double q = height > 1.0L ? y / (height - 1.0L) : 1.0L;
  const long double r = q * b;
  const long double s = r + p;
  if (!(s > 0.0L)) return 0;
  if (s >= 100.0L) return 100;
  return static_cast<int>(s);  // truncation toward zero
}

}  // namespace

int ProgressPosition(int64_t y, int64_t height, int64_t k, int64_t n) {
  if (n < 1 || height < 1) return 0;
  int position = 0;
  {
    const ExtendedPrecisionScope extended;
    // volatile: the arithmetic happens between setting and restoring the
    // precision control, never hoisted above it or sunk below it.
    volatile long double ly = static_cast<long double>(y);
    volatile long double lh = static_cast<long double>(height);
    volatile long double lk = static_cast<long double>(k);
    volatile long double ln = static_cast<long double>(n);
    volatile int result = ProgressSteps(ly, lh, lk, ln);
    position = result;
  }
  return position;
}

}  // namespace vm
