// One listed file's road: existence test, load, mask name, creation, scan,
// close; and what is left untouched when a file is skipped or refused.
#include "mask/convert_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_file_system.h"
#include "picture_bmp.h"
#include "recording_scan_host.h"

namespace vm {
namespace {

using testing::FakeFileSystem;
using testing::kTransparent;
using testing::PictureBmp;
using testing::RecordingScanHost;

const std::vector<uint8_t> kOlderMask = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};

// "T T O" in one row: one rectangle (0, 0, 2, 1).
const std::vector<uint8_t> kOneSpanMask = {0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0};

class ConvertFileTest : public ::testing::Test {
 protected:
  ConvertResult Convert(const std::string& path, ScanHost& host, int k = 0, int n = 1) {
    return ConvertFile(files, PathRules::Windows(nullptr), ConvertJob{path, kTransparent, k, n},
                       host);
  }
  ConvertResult Convert(const std::string& path) { return Convert(path, quiet); }

  FakeFileSystem files;
  QuietScanHost quiet;
};

TEST_F(ConvertFileTest, ConvertsIntoTheMaskBesideTheBitmap) {
  files.files["C:\\Pics\\sky.bmp"] = PictureBmp({"TTO"});
  files.files["C:\\Pics\\sky.APD"] = kOlderMask;
  const ConvertResult result = Convert("C:\\Pics\\sky.bmp");
  EXPECT_EQ(result.outcome, ConvertOutcome::Converted);
  EXPECT_EQ(result.maskPath, "C:\\Pics\\sky.APD");
  EXPECT_EQ(result.rectangles, 1u);
  EXPECT_EQ(files.files["C:\\Pics\\sky.APD"], kOneSpanMask);  // replaced, not appended to
  EXPECT_TRUE(files.openFiles.empty());
}

TEST_F(ConvertFileTest, ZeroByteFileGetsAnEmptyMask) {
  files.files["a.bmp"] = {};
  files.files["a.APD"] = kOlderMask;
  EXPECT_EQ(Convert("a.bmp").outcome, ConvertOutcome::Converted);
  EXPECT_TRUE(files.files["a.APD"].empty());
}

// Skipped files: nothing is read, created or changed beyond what the outcome
// needs, and an older mask file of the same name keeps its bytes.
TEST_F(ConvertFileTest, SkippedFilesLeaveEverythingUntouched) {
  files.files["gone.APD"] = kOlderMask;
  files.folders.insert("dir.bmp");
  files.files["dir.bmp"] = {};
  files.files["dir.APD"] = kOlderMask;
  files.files["text.bmp"] = {'h', 'e', 'l', 'l', 'o'};
  files.files["text.APD"] = kOlderMask;
  files.files["locked.bmp"] = PictureBmp({"T"});
  files.unreadable.insert("locked.bmp");
  files.files["locked.APD"] = kOlderMask;

  EXPECT_EQ(Convert("gone.bmp").outcome, ConvertOutcome::Missing);
  EXPECT_EQ(Convert("dir.bmp").outcome, ConvertOutcome::Missing);
  const ConvertResult text = Convert("text.bmp");
  EXPECT_EQ(text.outcome, ConvertOutcome::NotBitmap);
  EXPECT_EQ(text.loadFailure, LoadFailure::TooShort);
  const ConvertResult locked = Convert("locked.bmp");
  EXPECT_EQ(locked.outcome, ConvertOutcome::NotBitmap);
  EXPECT_EQ(locked.loadFailure, LoadFailure::CannotOpen);

  EXPECT_TRUE(files.created.empty());
  EXPECT_EQ(files.read, (std::vector<std::string>{"text.bmp", "locked.bmp"}));
  for (const char* mask : {"gone.APD", "dir.APD", "text.APD", "locked.APD"})
    EXPECT_EQ(files.files[mask], kOlderMask) << mask;
}

TEST_F(ConvertFileTest, CreationFailureEndsTheRunWithTheUsersText) {
  files.files["ro.bmp"] = PictureBmp({"T"});
  files.uncreatable.insert("ro.APD");
  try {
    Convert("ro.bmp");
    FAIL() << "no MaskFileError";
  } catch (const MaskFileError& error) {
    EXPECT_STREQ(error.what(), "ファイル ro.APD を作成できません");
  }
}

// A listed "x.APD" (any letter case, where case is ignored) names itself as
// its mask: refused, and the file keeps its bytes.
TEST_F(ConvertFileTest, RefusesAMaskThatWouldReplaceItsBitmap) {
  files.ignoresLetterCase = true;
  const std::vector<uint8_t> picture = PictureBmp({"TT"});
  files.files["C:\\x.APD"] = picture;
  files.files["C:\\y.apd"] = picture;
  for (const char* path : {"C:\\x.APD", "C:\\y.apd"}) {
    const ConvertResult result = Convert(path);
    EXPECT_EQ(result.outcome, ConvertOutcome::WouldReplaceInput) << path;
    EXPECT_EQ(files.files[path], picture) << path;
  }
  EXPECT_TRUE(files.created.empty());
}

// Stopped in the middle of the second row: the first row's span is in the
// file, which was closed.
TEST_F(ConvertFileTest, StopLeavesThePartialMaskClosed) {
  files.files["s.bmp"] = PictureBmp({"TTO", "TTT"});
  RecordingScanHost window;
  window.pressEndInPump = 3;  // after row 0's progress; seen after row 1's first pixel
  const ConvertResult result = Convert("s.bmp", window);
  EXPECT_EQ(result.outcome, ConvertOutcome::Stopped);
  EXPECT_EQ(files.files["s.APD"], kOneSpanMask);
  EXPECT_TRUE(files.openFiles.empty());
}

// A stop raised after the previous file's last row: the next file is neither
// tested, read nor created, so its older mask survives.
TEST_F(ConvertFileTest, StopBeforeTheFileBeginsTouchesNothing) {
  files.files["next.bmp"] = PictureBmp({"T"});
  files.files["next.APD"] = kOlderMask;
  RecordingScanHost window;
  window.tag = 1;
  EXPECT_EQ(Convert("next.bmp", window, 1, 2).outcome, ConvertOutcome::Stopped);
  EXPECT_TRUE(files.read.empty());
  EXPECT_TRUE(files.created.empty());
  EXPECT_EQ(files.files["next.APD"], kOlderMask);
}

TEST(TransparentColourFromText, AcceptsNonNegativeNumbersOnly) {
  EXPECT_EQ(TransparentColourFromText("$000000"), 0u);
  EXPECT_EQ(TransparentColourFromText("255"), 255u);
  EXPECT_EQ(TransparentColourFromText("$FF00FF"), 0xFF00FFu);
  EXPECT_EQ(TransparentColourFromText("-1"), std::nullopt);
  EXPECT_EQ(TransparentColourFromText("abc"), std::nullopt);
  EXPECT_EQ(TransparentColourFromText(""), std::nullopt);
}

}  // namespace
}  // namespace vm
