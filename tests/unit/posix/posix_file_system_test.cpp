// The POSIX files: real files in a temporary folder.
// 64-bit file sizes and times also in 32-bit builds, as the files
// themselves use, so that huge files and dates after 2038 can be made.
#define _FILE_OFFSET_BITS 64
#define _TIME_BITS 64

#include "platform/posix/posix_file_system.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include "mask/errors.h"
#include "mask/mask_writer.h"
#include "mask/messages.h"
#include "platform/path_rules.h"
#include "platform/read_limit.h"

namespace vm {
namespace {

namespace fs = std::filesystem;

constexpr uid_t kNobody = 65534;

// Runs check as an unprivileged user: directly when the tests are not run
// by root, else in a child process that gave up root for "nobody".
bool AsOrdinaryUser(const std::function<bool()>& check) {
  if (::geteuid() != 0) return check();
  const pid_t child = ::fork();
  if (child == 0) {
    if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(2);
    ::_exit(check() ? 0 : 1);
  }
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child) return false;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class PosixFileSystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/vm-files-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    dir_ = pattern;
  }
  void TearDown() override {
    std::error_code ignored;
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(dir_, ignored);
  }

  std::string PathOf(const std::string& name) const { return dir_ + "/" + name; }

  std::string WriteFile(const std::string& name, const std::string& contents) {
    const std::string path = PathOf(name);
    std::ofstream(path, std::ios::binary) << contents;
    return path;
  }

  static std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  static void SetModificationTime(const std::string& path, time_t when) {
    const struct timeval times[2] = {{when, 0}, {when, 0}};
    ASSERT_EQ(::utimes(path.c_str(), times), 0);
  }

  static time_t LocalTime(int year, int month, int day, int hour, int minute, int second) {
    struct tm local {};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    local.tm_isdst = -1;
    return std::mktime(&local);
  }

  static LoadFailure ReadFailure(PosixFileSystem& files, const std::string& path) {
    try {
      files.ReadWhole(path);
    } catch (const LoadError& e) {
      return e.kind();
    }
    ADD_FAILURE() << path << " was read";
    return LoadFailure::NotBmp;
  }

  // Creation fails with the user's text naming the mask path.
  static void ExpectCannotCreate(PosixFileSystem& files, const std::string& path) {
    try {
      files.CreateMaskFile(path);
      ADD_FAILURE() << path << " was created";
    } catch (const MaskFileError& e) {
      EXPECT_EQ(std::string(e.what()), "ファイル " + path + " を作成できません");
    }
  }

  std::string dir_;
  PosixFileSystem files_;
};

TEST_F(PosixFileSystemTest, CreateReplacesAnOlderMaskInsteadOfAppending) {
  const std::string path = WriteFile("sky.APD", std::string(100, 'x'));
  for (int run = 0; run < 2; ++run) {
    MaskWriter writer(files_.CreateMaskFile(path), path);
    writer.Append({1, 2, 3, 3});
    writer.Close();
  }
  EXPECT_EQ(Contents(path), std::string("\1\0\0\0\2\0\0\0\3\0\0\0\3\0\0\0", 16));
}

TEST_F(PosixFileSystemTest, MaskWithoutRectanglesHasLengthZero) {
  const std::string older = WriteFile("old.APD", "older mask");
  const std::string fresh = PathOf("new.APD");
  for (const std::string& path : {older, fresh}) {
    files_.CreateMaskFile(path)->Close();
    ASSERT_TRUE(fs::exists(path)) << path;
    EXPECT_EQ(fs::file_size(path), 0u) << path;
  }
}

TEST_F(PosixFileSystemTest, PathsThatCannotBecomeAMask) {
  ASSERT_EQ(::mkdir(PathOf("folder.APD").c_str(), 0777), 0);
  ASSERT_EQ(::mkfifo(PathOf("pipe.APD").c_str(), 0666), 0);
  for (const std::string& path : {PathOf("missing/sky.APD"),  // folder missing
                                  PathOf("folder.APD"),       // a folder of that name
                                  PathOf("pipe.APD"),         // not a regular file
                                  std::string()}) {
    SCOPED_TRACE(path);
    ExpectCannotCreate(files_, path);
  }
  EXPECT_FALSE(fs::exists(PathOf("missing")));
}

// Permissions bind every user but root. Under root the attempt is made by a
// child process that has become the unprivileged user "nobody", who owns
// the file and the folder, so only their read-only modes stand in the way.
TEST_F(PosixFileSystemTest, ReadOnlyFileOrFolderCannotTakeAMask) {
  const std::string readOnly = WriteFile("locked.APD", "keep me");
  const std::string folder = PathOf("sub");
  ASSERT_EQ(::mkdir(folder.c_str(), 0777), 0);
  const std::string inReadOnlyFolder = folder + "/new.APD";
  const bool asRoot = ::geteuid() == 0;
  if (asRoot) {
    ASSERT_EQ(::chmod(dir_.c_str(), 0755), 0);
    ASSERT_EQ(::chown(readOnly.c_str(), kNobody, kNobody), 0);
    ASSERT_EQ(::chown(folder.c_str(), kNobody, kNobody), 0);
  }
  ASSERT_EQ(::chmod(readOnly.c_str(), 0444), 0);
  ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
  const auto refused = [](const std::string& path) {
    try {
      PosixFileSystem().CreateMaskFile(path);
    } catch (const MaskFileError& e) {
      return std::string(e.what()) == "ファイル " + path + " を作成できません";
    }
    return false;
  };
  EXPECT_TRUE(AsOrdinaryUser([&] { return refused(readOnly); }));
  EXPECT_TRUE(AsOrdinaryUser([&] { return refused(inReadOnlyFolder); }));
  EXPECT_EQ(Contents(readOnly), "keep me");
  EXPECT_FALSE(fs::exists(inReadOnlyFolder));
}

TEST_F(PosixFileSystemTest, OpenMaskShutsOutASecondCreatorAndReaders) {
  const std::string path = PathOf("sky.APD");
  MaskWriter first(files_.CreateMaskFile(path), path);
  first.Append({0, 0, 5, 1});
  first.Close();  // the file now holds one rectangle
  std::unique_ptr<OutputFile> open = files_.CreateMaskFile(path);
  const uint8_t bytes[16] = {7};
  open->Write(bytes, sizeof bytes);
  ExpectCannotCreate(files_, path);
  EXPECT_EQ(ReadFailure(files_, path), LoadFailure::CannotOpen);
  EXPECT_EQ(fs::file_size(path), 16u);  // the failed creator did not empty it
  open->Close();
  EXPECT_EQ(files_.ReadWhole(path).size(), 16u);
}

TEST_F(PosixFileSystemTest, FullDiskWriteIsReportedWithTheMaskPath) {
  const int fd = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
  if (fd < 0) GTEST_SKIP() << "no /dev/full";
  MaskWriter writer(std::make_unique<PosixOutputFile>(fd, "/pics/sky.APD"), "/pics/sky.APD");
  writer.Append({0, 0, 1, 1});
  try {
    writer.Close();
    FAIL() << "a write to a full disk passed for success";
  } catch (const MaskFileError& e) {
    EXPECT_EQ(std::string(e.what()), text::CannotWriteMask("/pics/sky.APD"));
  }
}

TEST_F(PosixFileSystemTest, ReadWholeReturnsEveryByte) {
  std::string contents;
  for (int i = 0; i < 200000; ++i) contents.push_back(static_cast<char>(i * 31));
  const std::string path = WriteFile("big.bmp", contents);
  const std::vector<uint8_t> bytes = files_.ReadWhole(path);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), contents);
  EXPECT_TRUE(files_.ReadWhole(WriteFile("empty.bmp", "")).empty());
}

TEST_F(PosixFileSystemTest, ReadWholeRefusesWhatIsNotAReadableFile) {
  ASSERT_EQ(::mkdir(PathOf("folder.bmp").c_str(), 0777), 0);
  ASSERT_EQ(::mkfifo(PathOf("pipe.bmp").c_str(), 0666), 0);  // must not hang
  for (const std::string& path : {PathOf("folder.bmp"), PathOf("pipe.bmp"), PathOf("missing.bmp")}) {
    SCOPED_TRACE(path);
    EXPECT_EQ(ReadFailure(files_, path), LoadFailure::CannotOpen);
  }
}

TEST_F(PosixFileSystemTest, FileBeyondTheReadLimitIsTooLarge) {
  const std::string path = PathOf("huge.bmp");
  // Sparse files: they cost no disk space, and the size alone decides.
  for (const uint64_t size : {kMaxReadBytes + 1, uint64_t{5} << 30}) {
    SCOPED_TRACE(size);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT, 0666);
    ASSERT_GE(fd, 0);
    const bool sized = ::ftruncate(fd, static_cast<off_t>(size)) == 0;
    ::close(fd);
    if (!sized) GTEST_SKIP() << "this file system cannot hold a sparse file that large";
    EXPECT_EQ(ReadFailure(files_, path), LoadFailure::TooLarge);
  }
}

TEST_F(PosixFileSystemTest, ExistenceTest) {
  const std::string file = WriteFile("sky.bmp", "BM");
  ASSERT_EQ(::mkdir(PathOf("folder.bmp").c_str(), 0777), 0);
  EXPECT_TRUE(files_.Exists(file));
  EXPECT_TRUE(files_.Exists(WriteFile("empty.bmp", "")));
  EXPECT_FALSE(files_.Exists(PathOf("missing.bmp")));
  EXPECT_FALSE(files_.Exists(PathOf("folder.bmp")));
  EXPECT_FALSE(files_.Exists(file + "/"));
  EXPECT_FALSE(files_.Exists(""));
}

// The last-write time must be a valid MS-DOS date in local time: 1980 on.
TEST_F(PosixFileSystemTest, FileStampedBefore1980CountsAsMissing) {
  const std::string file = WriteFile("old.bmp", "BM");
  SetModificationTime(file, LocalTime(1980, 1, 1, 0, 0, 0));
  EXPECT_TRUE(files_.Exists(file));
  SetModificationTime(file, LocalTime(1980, 1, 1, 0, 0, 0) - 1);
  EXPECT_FALSE(files_.Exists(file));
  SetModificationTime(file, LocalTime(1975, 6, 1, 12, 0, 0));
  EXPECT_FALSE(files_.Exists(file));
}

TEST_F(PosixFileSystemTest, FileStampedAfter2107CountsAsMissing) {
  if (sizeof(time_t) < 8) GTEST_SKIP() << "32-bit time cannot reach 2107";
  const std::string file = WriteFile("future.bmp", "BM");
  SetModificationTime(file, LocalTime(2107, 12, 31, 23, 59, 58));
  EXPECT_TRUE(files_.Exists(file));
  SetModificationTime(file, LocalTime(2108, 1, 1, 0, 0, 1));
  EXPECT_FALSE(files_.Exists(file));
}

TEST_F(PosixFileSystemTest, SameFileFollowsLinksNotNames) {
  const std::string a = WriteFile("a.bmp", "BM");
  const std::string b = WriteFile("b.bmp", "BM");
  ASSERT_EQ(::link(a.c_str(), PathOf("hard.bmp").c_str()), 0);
  ASSERT_EQ(::symlink(a.c_str(), PathOf("soft.bmp").c_str()), 0);
  EXPECT_TRUE(files_.SameFile(a, a));
  EXPECT_TRUE(files_.SameFile(a, PathOf("hard.bmp")));
  EXPECT_TRUE(files_.SameFile(PathOf("soft.bmp"), a));
  EXPECT_TRUE(files_.SameFile(a, dir_ + "/./a.bmp"));
  EXPECT_FALSE(files_.SameFile(a, b));
  EXPECT_FALSE(files_.SameFile(a, PathOf("missing.bmp")));
  EXPECT_FALSE(files_.SameFile(PathOf("missing.bmp"), PathOf("missing.bmp")));
}

TEST_F(PosixFileSystemTest, PathsAreShownAsTheyAre) {
  EXPECT_EQ(files_.DisplayPath("/data/\xe7\xa9\xba/sky.bmp"), "/data/\xe7\xa9\xba/sky.bmp");
}

TEST(PosixPathRules, OnlySlashEndsAFileName) {
  const PathRules rules = SystemPathRules();
  EXPECT_EQ(MaskFileName("/data/v1.2/sky", rules), "/data/v1.2/sky.APD");
  EXPECT_EQ(MaskFileName("/data/a\\b.c:d.bmp", rules), "/data/a\\b.c:d.APD");
}

}  // namespace
}  // namespace vm
