// vellumark-convert run on real files: exit codes, messages naming the path,
// exact mask bytes, and files that must not change.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "bmp_builder.h"
#include "tool_runner.h"

namespace vm::clitest {
namespace {

constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kRed = 0x0000FF;  // 0x00BBGGRR
constexpr uint32_t kWhite = 0xFFFFFF;

// Black is the default transparent colour. Row 0: B B W B, row 1: W W W W,
// row 2: W B B R.
const std::vector<uint32_t> kPicture = {kBlack, kBlack, kWhite, kBlack,  //
                                        kWhite, kWhite, kWhite, kWhite,  //
                                        kWhite, kBlack, kBlack, kRed};

std::vector<uint8_t> Rect(int32_t left, int32_t top, int32_t right) {
  std::vector<uint8_t> bytes;
  for (int32_t v : {left, top, right, top + 1})
    for (int b = 0; b < 4; ++b) bytes.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * b)));
  return bytes;
}

std::vector<uint8_t> Rects(const std::vector<std::vector<uint8_t>>& rects) {
  std::vector<uint8_t> bytes;
  for (const auto& r : rects) bytes.insert(bytes.end(), r.begin(), r.end());
  return bytes;
}

const std::vector<uint8_t> kBlackMask = Rects({Rect(0, 0, 2), Rect(3, 0, 4), Rect(1, 2, 3)});
const std::vector<uint8_t> kOlderMask(32, 0xAB);

class CliRun : public ::testing::Test {
 protected:
  std::string Bitmap(const std::string& name, std::vector<uint32_t> colours = kPicture) {
    const std::string path = folder.Path(name);
    WriteFile(path, vm::test::Bmp24(4, 3, colours));
    return path;
  }
  TempFolder folder;
};

TEST_F(CliRun, ConvertsEveryFileAndLeavesInputsAlone) {
  const std::string a = Bitmap("a.bmp");
  const std::string b = Bitmap("b.BMP");
  const std::string empty = folder.Path("empty.bmp");
  WriteFile(empty, {});
  WriteFile(folder.Path("a.APD"), kOlderMask);  // replaced, never appended to
  const std::vector<uint8_t> before = ReadFile(a);

  const ToolRun run = RunTool({a, b, empty});
  EXPECT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_EQ(run.errors, "");  // not a terminal: no progress bar either
  EXPECT_EQ(run.output, "");
  EXPECT_EQ(ReadFile(folder.Path("a.APD")), kBlackMask);
  EXPECT_EQ(ReadFile(folder.Path("b.APD")), kBlackMask);
  EXPECT_TRUE(FileExists(folder.Path("empty.APD")));
  EXPECT_TRUE(ReadFile(folder.Path("empty.APD")).empty());
  EXPECT_EQ(ReadFile(a), before);
}

// Missing and non-bitmap files are reported with their paths and skipped;
// the others are converted, an older mask of a skipped file keeps its bytes.
TEST_F(CliRun, SkipsMissingAndNonBitmapFilesAndExitsOne) {
  const std::string missing = folder.Path("missing.bmp");
  const std::string text = folder.Path("notes.bmp");
  WriteFile(text, {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', '!', '!', '!', '!'});
  WriteFile(folder.Path("notes.APD"), kOlderMask);
  const std::string later = Bitmap("later.bmp");

  const ToolRun run = RunTool({missing, text, later});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.errors.find("ファイル「" + missing + "」が存在しません。"), std::string::npos)
      << run.errors;
  EXPECT_NE(run.errors.find("ファイル「" + text + "」はビットマップファイルではありません。"),
            std::string::npos)
      << run.errors;
  EXPECT_FALSE(FileExists(folder.Path("missing.APD")));
  EXPECT_EQ(ReadFile(folder.Path("notes.APD")), kOlderMask);
  EXPECT_EQ(ReadFile(later.substr(0, later.size() - 4) + ".APD"), kBlackMask);
}

TEST_F(CliRun, AFolderCountsAsMissing) {
  const std::string dir = folder.Path("dir.bmp");
  mkdir(dir.c_str(), 0700);
  const ToolRun run = RunTool({dir});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.errors.find("ファイル「" + dir + "」が存在しません。"), std::string::npos);
}

// A bitmap named "x.APD" would be its own mask: refused, never overwritten.
// "y.apd" is another file than "y.APD" here, so that one is converted.
TEST_F(CliRun, NeverReplacesABitmapWithItsOwnMask) {
  const std::string self = Bitmap("x.APD");
  const std::vector<uint8_t> before = ReadFile(self);
  const ToolRun refused = RunTool({self});
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_NE(refused.errors.find(self), std::string::npos) << refused.errors;
  EXPECT_EQ(ReadFile(self), before);

  const std::string lower = Bitmap("y.apd");
  const std::vector<uint8_t> lowerBefore = ReadFile(lower);
  EXPECT_EQ(RunTool({lower}).exitCode, 0);
  EXPECT_EQ(ReadFile(lower), lowerBefore);
  EXPECT_EQ(ReadFile(folder.Path("y.APD")), kBlackMask);
}

// A mask path that is a link to the bitmap itself (symbolic or hard) would
// empty the bitmap through the link: refused the same way.
TEST_F(CliRun, NeverReplacesABitmapThroughALink) {
  const std::string viaSymlink = Bitmap("s.bmp");
  const std::string viaHardLink = Bitmap("h.bmp");
  const std::vector<uint8_t> before = ReadFile(viaSymlink);
  ASSERT_EQ(symlink(viaSymlink.c_str(), folder.Path("s.APD").c_str()), 0);
  ASSERT_EQ(link(viaHardLink.c_str(), folder.Path("h.APD").c_str()), 0);

  const ToolRun run = RunTool({viaSymlink, viaHardLink});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.errors.find(viaSymlink), std::string::npos) << run.errors;
  EXPECT_NE(run.errors.find(viaHardLink), std::string::npos) << run.errors;
  EXPECT_EQ(ReadFile(viaSymlink), before);
  EXPECT_EQ(ReadFile(viaHardLink), before);
}

// The mask path of the second file is taken by a folder: the run ends there
// with the creation message, and the third file is not converted.
TEST_F(CliRun, AMaskThatCannotBeCreatedEndsTheRun) {
  const std::string first = Bitmap("first.bmp");
  const std::string blocked = Bitmap("blocked.bmp");
  const std::string third = Bitmap("third.bmp");
  mkdir(folder.Path("blocked.APD").c_str(), 0700);

  const ToolRun run = RunTool({first, blocked, third});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.errors.find("ファイル " + folder.Path("blocked.APD") + " を作成できません"),
            std::string::npos)
      << run.errors;
  EXPECT_EQ(ReadFile(folder.Path("first.APD")), kBlackMask);
  EXPECT_FALSE(FileExists(folder.Path("third.APD")));
}

// The colour text follows the colour field's rules: 255, xff and $0000FF are
// all red (0x00BBGGRR); a text that is not a number of 0 or more is misuse.
TEST_F(CliRun, ColourTextChoosesTheTransparentColour) {
  const std::string path = Bitmap("c.bmp");
  const std::vector<uint8_t> redMask = Rect(3, 2, 4);
  for (const char* red : {"255", "xff", "$0000FF", "0xFF"}) {
    const ToolRun run = RunTool({"--color", red, path});
    EXPECT_EQ(run.exitCode, 0) << red << ": " << run.errors;
    EXPECT_EQ(ReadFile(folder.Path("c.APD")), redMask) << red;
  }
  EXPECT_EQ(RunTool({"--color=$FFFFFF", "--quiet", path}).exitCode, 0);
  EXPECT_EQ(ReadFile(folder.Path("c.APD")), Rects({Rect(2, 0, 3), Rect(0, 1, 4), Rect(0, 2, 1)}));
}

TEST_F(CliRun, MisuseExitsTwoWithUsageAndTouchesNothing) {
  const std::string path = Bitmap("u.bmp");
  const std::vector<std::vector<std::string>> misuses = {
      {"--color", "-1", path}, {"--color", "abc", path}, {}, {"--frobnicate", path}};
  for (const auto& args : misuses) {
    const ToolRun run = RunTool(args);
    EXPECT_EQ(run.exitCode, 2) << ::testing::PrintToString(args);
    EXPECT_NE(run.errors.find("usage: vellumark-convert"), std::string::npos);
  }
  EXPECT_FALSE(FileExists(folder.Path("u.APD")));

  const ToolRun help = RunTool({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.errors.find("--color TEXT"), std::string::npos);
}

}  // namespace
}  // namespace vm::clitest
