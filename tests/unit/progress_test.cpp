// The progress position after each row: the users' familiar numbers,
// including the 99 that the last row of some runs shows.
#include "mask/progress.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "mask/x87_precision.h"

namespace vm {
namespace {

// The positions after every row of every bitmap of a run of n bitmaps, all
// of the given height, in the order the scan shows them.
std::vector<int> RunPositions(int64_t n, int64_t height) {
  std::vector<int> positions;
  for (int64_t k = 0; k < n; ++k)
    for (int64_t y = 0; y < height; ++y) positions.push_back(ProgressPosition(y, height, k, n));
  return positions;
}

struct RunCase {
  int64_t n;
  int64_t height;
  std::vector<int> positions;
};

TEST(ProgressPosition, WholeRunsShowTheKnownSequences) {
  const RunCase cases[] = {
      {1, 3, {0, 50, 100}},
      {3, 2, {0, 33, 33, 66, 66, 100}},
      {6, 2, {0, 16, 16, 33, 33, 50, 50, 66, 66, 83, 83, 99}},
      {1, 2, {0, 100}},
      {2, 3, {0, 25, 50, 50, 75, 100}},
  };
  for (const RunCase& c : cases) {
    EXPECT_EQ(RunPositions(c.n, c.height), c.positions) << c.n << " bitmaps of height " << c.height;
  }
}

TEST(ProgressPosition, FirstOfFourBitmapsOfHeightFive) {
  const std::vector<int> firstFile = {0, 6, 12, 18, 25};
  std::vector<int> shown;
  for (int64_t y = 0; y < 5; ++y) shown.push_back(ProgressPosition(y, 5, 0, 4));
  EXPECT_EQ(shown, firstFile);
}

// The sum (100/n)(n-1) + 100/n falls just short of 100 in extended precision
// for these counts, and is truncated: the run ends at 99.
TEST(ProgressPosition, LastRowOfLastBitmapShows99ForSomeCounts) {
  const int64_t showing99[] = {6, 13, 15, 18, 23, 24};
  for (int64_t n : showing99) {
    EXPECT_EQ(ProgressPosition(1, 2, n - 1, n), 99) << n << " bitmaps";
    EXPECT_EQ(ProgressPosition(9, 10, n - 1, n), 99) << n << " bitmaps";
  }
  const int64_t showing100[] = {1, 2, 3, 4, 5, 7, 8, 10, 12, 16, 20};
  for (int64_t n : showing100) EXPECT_EQ(ProgressPosition(1, 2, n - 1, n), 100) << n << " bitmaps";
}

// A bitmap one row high: its row counts as a last row, so it shows the share
// of the bitmaps up to and including it, as a taller bitmap's last row does.
TEST(ProgressPosition, OneRowBitmapShowsItsLastRowValue) {
  const struct {
    int64_t k, n;
    int expected;
  } cases[] = {{0, 1, 100}, {0, 3, 33}, {1, 3, 66}, {2, 3, 100}, {5, 6, 99}, {0, 4, 25}};
  for (const auto& c : cases) {
    EXPECT_EQ(ProgressPosition(0, 1, c.k, c.n), c.expected) << c.k << " of " << c.n;
    EXPECT_EQ(ProgressPosition(0, 1, c.k, c.n), ProgressPosition(4, 5, c.k, c.n));
  }
}

TEST(ProgressPosition, TallBitmapsAndInvalidInputStayInRange) {
  EXPECT_EQ(ProgressPosition(0, 2147483647, 0, 1), 0);
  EXPECT_EQ(ProgressPosition(2147483646, 2147483647, 0, 1), 100);
  EXPECT_EQ(ProgressPosition(1073741822, 2147483647, 0, 1), 49);
  EXPECT_EQ(ProgressPosition(0, 3, 0, 0), 0);
  EXPECT_EQ(ProgressPosition(0, 0, 0, 1), 0);
  EXPECT_EQ(ProgressPosition(7, 3, 0, 1), 100);
}

// Windows starts 32-bit programs with the x87 unit rounding to 53 bits, where
// 6 bitmaps would end at 100 and 31 at 99. The position must not depend on
// the caller's precision setting, and the setting must survive the call.
TEST(ProgressPosition, IndependentOfTheCallersX87Precision) {
  if (X87PrecisionControl() < 0) GTEST_SKIP() << "no x87 unit";
  const int saved = X87PrecisionControl();
  for (int pc : {0, 2, 3}) {
    SetX87PrecisionControl(pc);
    const int six = ProgressPosition(1, 2, 5, 6);
    const int thirtyOne = ProgressPosition(1, 2, 30, 31);
    const int after = X87PrecisionControl();
    SetX87PrecisionControl(saved);
    EXPECT_EQ(six, 99) << "precision control " << pc;
    EXPECT_EQ(thirtyOne, 100) << "precision control " << pc;
    EXPECT_EQ(after, pc);
  }
}

}  // namespace
}  // namespace vm
