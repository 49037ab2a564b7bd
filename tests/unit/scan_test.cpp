// The scan of one bitmap: which rectangles, in which order, and exactly when
// the stop flag, the message processing and the progress display are used.
#include "mask/scan.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "fake_file_system.h"
#include "mask/bitmap.h"
#include "mask/mask_writer.h"
#include "picture_bmp.h"
#include "recording_scan_host.h"

namespace vm {
namespace {

using testing::ExpectRow;
using testing::FakeFileSystem;
using testing::kTransparent;
using testing::PictureBmp;
using testing::RecordingScanHost;

std::vector<MaskRect> DecodeRects(const std::vector<uint8_t>& bytes) {
  EXPECT_EQ(bytes.size() % kMaskRectBytes, 0u);
  std::vector<MaskRect> rects;
  for (std::size_t at = 0; at + kMaskRectBytes <= bytes.size(); at += kMaskRectBytes) {
    int32_t f[4];
    for (int i = 0; i < 4; ++i) {
      const uint8_t* b = &bytes[at + 4 * i];
      f[i] = static_cast<int32_t>(b[0] | b[1] << 8 | b[2] << 16 | uint32_t{b[3]} << 24);
    }
    rects.push_back(MaskRect{f[0], f[1], f[2], f[3]});
  }
  return rects;
}

struct ScanRun {
  ScanOutcome outcome;
  std::vector<MaskRect> rects;
  std::vector<uint8_t> bytes;
};

ScanRun Scan(const Bitmap& bitmap, ScanHost& host, int k = 0, int n = 1,
             uint32_t colour = kTransparent) {
  FakeFileSystem files;
  ScanOutcome outcome;
  {
    MaskWriter mask(files.CreateMaskFile("m.APD"), "m.APD");
    outcome = ScanBitmap(bitmap, colour, mask, host, k, n);
    mask.Close();
  }
  const std::vector<uint8_t>& bytes = files.files["m.APD"];
  return {outcome, DecodeRects(bytes), bytes};
}

Bitmap Picture(const std::vector<std::string>& rows, int32_t width = -1) {
  return Bitmap::Load(PictureBmp(rows, width));
}

std::vector<std::string> CompletedCalls(int width, const std::vector<int>& positions) {
  std::vector<std::string> calls;
  for (int position : positions) ExpectRow(calls, width, position);
  return calls;
}

struct SpanCase {
  const char* name;
  std::vector<std::string> rows;
  std::vector<MaskRect> rects;
};

// Every case through both the per-pixel path (a window) and the whole-row
// path (the command-line tool).
TEST(ScanBitmap, SpansOfSmallPictures) {
  const SpanCase cases[] = {
      {"no transparent pixel", {"OOO", "OOO"}, {}},
      {"all transparent", {"TTT", "TTT", "TTT"}, {{0, 0, 3, 1}, {0, 1, 3, 2}, {0, 2, 3, 3}}},
      {"T T O T", {"OOOO", "TTOT"}, {{0, 1, 2, 2}, {3, 1, 4, 2}}},
      {"last column only", {"OOT", "OOO"}, {{2, 0, 3, 1}}},
      {"first column only", {"TOO"}, {{0, 0, 1, 1}}},
      {"width 1", {"T", "O", "T", "T"}, {{0, 0, 1, 1}, {0, 2, 1, 3}, {0, 3, 1, 4}}},
      {"vertical line", {"OTO", "OTO", "OTO"}, {{1, 0, 2, 1}, {1, 1, 2, 2}, {1, 2, 2, 3}}},
      {"one channel differs", {"TRTGTBT"}, {{0, 0, 1, 1}, {2, 0, 3, 1}, {4, 0, 5, 1}, {6, 0, 7, 1}}},
      {"rows never merge", {"OTTO", "OTTO"}, {{1, 0, 3, 1}, {1, 1, 3, 2}}},
      {"long runs across words",
       {std::string(9, 'O') + std::string(17, 'T') + "O" + std::string(20, 'T')},
       {{9, 0, 26, 1}, {27, 0, 47, 1}}},
  };
  for (const SpanCase& c : cases) {
    const Bitmap bitmap = Picture(c.rows);
    RecordingScanHost window;
    const ScanRun perPixel = Scan(bitmap, window);
    EXPECT_EQ(perPixel.outcome, ScanOutcome::Completed) << c.name;
    EXPECT_EQ(perPixel.rects, c.rects) << c.name;
    QuietScanHost quiet;
    EXPECT_EQ(Scan(bitmap, quiet).bytes, perPixel.bytes) << c.name;
  }
}

TEST(ScanBitmap, ConsultsTheHostAfterEveryPixelAndEveryRow) {
  RecordingScanHost host;
  const ScanRun run = Scan(Picture({"TO", "OT", "OO"}), host);
  EXPECT_EQ(run.outcome, ScanOutcome::Completed);
  EXPECT_EQ(host.calls, CompletedCalls(2, {0, 50, 100}));
  EXPECT_EQ(run.rects, (std::vector<MaskRect>{{0, 0, 1, 1}, {1, 1, 2, 2}}));
}

TEST(ScanBitmap, ProgressAfterEveryRowFromThePositionInTheList) {
  RecordingScanHost second;
  Scan(Picture({"T", "O"}), second, 1, 3);
  EXPECT_EQ(second.positions, (std::vector<int>{33, 66}));

  RecordingScanHost firstOfFour;
  Scan(Picture({"O", "O", "O", "O", "O"}), firstOfFour, 0, 4);
  EXPECT_EQ(firstOfFour.positions, (std::vector<int>{0, 6, 12, 18, 25}));

  RecordingScanHost lastOfSix;
  Scan(Picture({"T", "T"}), lastOfSix, 5, 6);
  EXPECT_EQ(lastOfSix.positions, (std::vector<int>{83, 99}));

  RecordingScanHost oneRow;
  Scan(Picture({"TT"}), oneRow, 1, 2);
  EXPECT_EQ(oneRow.positions, (std::vector<int>{100}));
}

// A host that nothing can interrupt gets whole rows: no stop tests and no
// pumps inside a row, but the progress display still moves row by row.
TEST(ScanBitmap, QuietHostIsConsultedOnlyBetweenRows) {
  RecordingScanHost host;
  host.quietPixels = 3;
  const ScanRun run = Scan(Picture({"TTO", "OTT"}), host);
  EXPECT_EQ(host.calls, (std::vector<std::string>{"progress 0", "pump", "progress 100", "pump"}));
  EXPECT_EQ(run.rects, (std::vector<MaskRect>{{0, 0, 2, 1}, {1, 1, 3, 2}}));
}

// The end button pressed during the pump after pixel 3: the stop test after
// pixel 4 sees it. The span open at that moment (3..5) is not written; the
// spans that had ended stay in the file.
TEST(ScanBitmap, StopInTheMiddleOfASpanKeepsOnlyEndedSpans) {
  RecordingScanHost host;
  const int width = 6;
  host.pressEndInPump = (width + 1) + 3;  // row 1, after pixel 3
  const ScanRun run = Scan(Picture({"OTTOOO", "TTOTTT"}), host);
  EXPECT_EQ(run.outcome, ScanOutcome::Stopped);
  EXPECT_EQ(run.rects, (std::vector<MaskRect>{{1, 0, 3, 1}, {0, 1, 2, 2}}));
  std::vector<std::string> expected = CompletedCalls(width, {0});
  for (int x = 0; x < 4; ++x) expected.insert(expected.end(), {"stop?", "pump"});
  expected.push_back("stop?");
  EXPECT_EQ(host.calls, expected);
}

// A span reaching the last column is written while its last pixel is
// examined, before the stop test of that pixel.
TEST(ScanBitmap, StopSeenAtTheLastColumnAfterItsSpanWasWritten) {
  RecordingScanHost host;
  host.pressEndInPump = 1;  // after pixel 1 of 3; seen after pixel 2
  const ScanRun run = Scan(Picture({"OTT", "TTT"}), host);
  EXPECT_EQ(run.outcome, ScanOutcome::Stopped);
  EXPECT_EQ(run.rects, (std::vector<MaskRect>{{1, 0, 3, 1}}));
  EXPECT_TRUE(host.positions.empty());
}

// Pressed in the pump after row 0's progress update: row 1's first pixel is
// examined before the stop test sees the flag.
TEST(ScanBitmap, StopAfterARowIsSeenAfterTheNextRowsFirstPixel) {
  RecordingScanHost host;
  host.pressEndInPump = 3;  // width 3: pumps 0..2 after pixels, 3 after the row
  const ScanRun run = Scan(Picture({"TTT", "TOT"}), host);
  EXPECT_EQ(run.outcome, ScanOutcome::Stopped);
  EXPECT_EQ(run.rects, (std::vector<MaskRect>{{0, 0, 3, 1}}));
  std::vector<std::string> expected = CompletedCalls(3, {0});
  expected.push_back("stop?");
  EXPECT_EQ(host.calls, expected);
}

// Pressed in the pump after the last row: this scan does not see it.
TEST(ScanBitmap, StopAfterTheLastRowIsNotSeen) {
  RecordingScanHost host;
  host.pressEndInPump = 2 * 3 - 1;  // width 2, height 2: the sixth pump is the last
  const ScanRun run = Scan(Picture({"TO", "OT"}), host);
  EXPECT_EQ(run.outcome, ScanOutcome::Completed);
  EXPECT_EQ(host.tag, 1);
  EXPECT_EQ(run.rects, (std::vector<MaskRect>{{0, 0, 1, 1}, {1, 1, 2, 2}}));
  EXPECT_EQ(host.calls, CompletedCalls(2, {0, 100}));
}

TEST(ScanBitmap, ZeroHeightMakesNoCallsAndWritesNothing) {
  RecordingScanHost empty;
  const ScanRun run = Scan(Bitmap(), empty);
  EXPECT_EQ(run.outcome, ScanOutcome::Completed);
  EXPECT_TRUE(run.bytes.empty());
  EXPECT_TRUE(empty.calls.empty());

  RecordingScanHost zeroBytes;  // a file of 0 bytes loads as 0 x 0
  Scan(Bitmap::Load({}), zeroBytes);
  EXPECT_TRUE(zeroBytes.calls.empty());
}

// Rows 0 pixels wide: no pixel, so no stop test, but progress row by row.
TEST(ScanBitmap, ZeroWidthRowsOnlyMoveTheProgress) {
  Bitmap bitmap;
  try {
    bitmap = Picture({"", "", ""}, 0);
  } catch (const LoadError&) {
    GTEST_SKIP() << "this loader does not load images 0 pixels wide";
  }
  RecordingScanHost host;
  const ScanRun run = Scan(bitmap, host);
  EXPECT_TRUE(run.bytes.empty());
  EXPECT_EQ(host.calls, CompletedCalls(0, {0, 50, 100}));
}

// A random picture of few colours in long and short runs, stored in one of
// the depths whose rows the matcher compares in stored form.
std::vector<uint8_t> RandomPicture(std::mt19937& random, int32_t width, int32_t height) {
  const int runBias = std::uniform_int_distribution<int>(1, 20)(random);
  // Index 0 and 3 both hold the transparent colour: either one matches.
  const std::vector<uint32_t> palette = {kTransparent, testing::PictureColour('R'),
                                         testing::PictureColour('G'), kTransparent};
  std::vector<uint32_t> indices;
  uint32_t current = 0;
  for (int32_t i = 0; i < width * height; ++i) {
    if (std::uniform_int_distribution<int>(0, runBias)(random) == 0)
      current = std::uniform_int_distribution<uint32_t>(0, 3)(random);
    indices.push_back(current);
  }
  std::vector<uint32_t> colours;
  for (uint32_t index : indices) colours.push_back(palette[index]);
  const bool topDown = random() % 2 == 0;
  switch (random() % 3) {
    case 0: return vm::test::Bmp24(width, height, colours, topDown);
    case 1: return vm::test::Bmp32(width, height, colours, topDown);
    default: return vm::test::Bmp8(width, height, palette, indices, topDown);
  }
}

// The per-pixel path, the whole-row path and a reference built from the
// loader's single pixels give the same file.
TEST(ScanBitmap, BothPathsAgreeWithPixelByPixelReference) {
  std::mt19937 random(20261211);
  for (int trial = 0; trial < 300; ++trial) {
    const int32_t width = std::uniform_int_distribution<int32_t>(1, 70)(random);
    const int32_t height = std::uniform_int_distribution<int32_t>(1, 6)(random);
    const Bitmap bitmap = Bitmap::Load(RandomPicture(random, width, height));

    std::vector<MaskRect> reference;
    for (int32_t y = 0; y < height; ++y)
      for (int32_t x = 0; x < width; ++x) {
        if (bitmap.Pixel(x, y) != kTransparent) continue;
        if (x > 0 && bitmap.Pixel(x - 1, y) == kTransparent) {
          reference.back().right = x + 1;
        } else {
          reference.push_back({x, y, x + 1, y + 1});
        }
      }

    RecordingScanHost window;
    QuietScanHost quiet;
    const ScanRun perPixel = Scan(bitmap, window);
    EXPECT_EQ(perPixel.rects, reference) << "trial " << trial;
    EXPECT_EQ(Scan(bitmap, quiet).bytes, perPixel.bytes) << "trial " << trial;
  }
}

}  // namespace
}  // namespace vm
