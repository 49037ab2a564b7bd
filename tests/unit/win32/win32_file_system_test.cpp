// The Windows files, run under Wine with the Japanese ANSI code page (932).
#include "platform/win32/win32_file_system.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "mask/errors.h"
#include "mask/mask_name.h"
#include "mask/mask_writer.h"
#include "platform/path_rules.h"

namespace vm {
namespace {

// "表" in code page 932: its second byte is "\".
constexpr char kHyou[] = "\x95\x5C";

class Win32FileSystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    ASSERT_GT(::GetTempPathA(MAX_PATH, temp), 0u);
    dir_ = std::string(temp) + "vm-files-" + std::to_string(::GetCurrentProcessId()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name();
    ASSERT_TRUE(::CreateDirectoryA(dir_.c_str(), nullptr)) << dir_;
  }
  void TearDown() override { RemoveTree(dir_); }

  static void RemoveTree(const std::string& dir) {
    WIN32_FIND_DATAA found;
    const HANDLE search = ::FindFirstFileA((dir + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        const std::string path = dir + "\\" + name;
        ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
          RemoveTree(path);
        } else {
          ::DeleteFileA(path.c_str());
        }
      } while (::FindNextFileA(search, &found));
      ::FindClose(search);
    }
    ::RemoveDirectoryA(dir.c_str());
  }

  std::string PathOf(const std::string& name) const { return dir_ + "\\" + name; }

  std::string WriteFile(const std::string& name, const std::string& contents) {
    const std::string path = PathOf(name);
    const HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE) << path;
    DWORD written = 0;
    ::WriteFile(file, contents.data(), static_cast<DWORD>(contents.size()), &written, nullptr);
    ::CloseHandle(file);
    return path;
  }

  static std::string Contents(const std::string& path) {
    const HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<cannot open>";
    std::string contents(1 << 16, '\0');
    DWORD got = 0;
    ::ReadFile(file, contents.data(), static_cast<DWORD>(contents.size()), &got, nullptr);
    ::CloseHandle(file);
    contents.resize(got);
    return contents;
  }

  static void SetLastWriteTime(const std::string& path, WORD year) {
    SYSTEMTIME local = {};
    local.wYear = year;
    local.wMonth = 6;
    local.wDay = 1;
    local.wHour = 12;
    FILETIME localTime;
    FILETIME utc;
    ASSERT_TRUE(::SystemTimeToFileTime(&local, &localTime));
    ASSERT_TRUE(::LocalFileTimeToFileTime(&localTime, &utc));
    const HANDLE file = ::CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(::SetFileTime(file, nullptr, nullptr, &utc));
    ::CloseHandle(file);
  }

  void ExpectCannotCreate(const std::string& path, const std::string& shownPath) {
    try {
      files_.CreateMaskFile(path);
      ADD_FAILURE() << path << " was created";
    } catch (const MaskFileError& e) {
      EXPECT_EQ(std::string(e.what()), "ファイル " + shownPath + " を作成できません");
    }
  }

  LoadFailure ReadFailure(const std::string& path) {
    try {
      files_.ReadWhole(path);
    } catch (const LoadError& e) {
      return e.kind();
    }
    ADD_FAILURE() << path << " was read";
    return LoadFailure::NotBmp;
  }

  std::string dir_;
  Win32FileSystem files_;
};

TEST_F(Win32FileSystemTest, CreateReplacesAnOlderMaskInsteadOfAppending) {
  const std::string path = WriteFile("sky.APD", std::string(100, 'x'));
  for (int run = 0; run < 2; ++run) {
    MaskWriter writer(files_.CreateMaskFile(path), path);
    writer.Append({1, 2, 3, 3});
    writer.Close();
  }
  EXPECT_EQ(Contents(path), std::string("\1\0\0\0\2\0\0\0\3\0\0\0\3\0\0\0", 16));
  files_.CreateMaskFile(path)->Close();
  EXPECT_EQ(Contents(path), "");
  files_.CreateMaskFile(PathOf("new.APD"))->Close();
  EXPECT_TRUE(files_.Exists(PathOf("new.APD")));
}

TEST_F(Win32FileSystemTest, OpenMaskIsSharedWithNobody) {
  const std::string path = PathOf("sky.APD");
  std::unique_ptr<OutputFile> open = files_.CreateMaskFile(path);
  const HANDLE other = ::CreateFileA(path.c_str(), GENERIC_READ,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  EXPECT_EQ(other, INVALID_HANDLE_VALUE);
  EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
  ExpectCannotCreate(path, path);
  EXPECT_EQ(ReadFailure(path), LoadFailure::CannotOpen);
  EXPECT_TRUE(files_.SameFile(path, path));  // compared without access
  open->Close();
  EXPECT_TRUE(files_.ReadWhole(path).empty());
}

TEST_F(Win32FileSystemTest, MissingFolderOrFolderOfThatNameCannotTakeAMask) {
  ExpectCannotCreate(PathOf("missing\\sky.APD"), PathOf("missing\\sky.APD"));
  ASSERT_TRUE(::CreateDirectoryA(PathOf("folder.APD").c_str(), nullptr));
  ExpectCannotCreate(PathOf("folder.APD"), PathOf("folder.APD"));
}

// Windows refuses to replace a read-only file. Wine keeps the attribute in
// the Unix mode bits, which a process running as root passes anyway, so
// there the refusal cannot be seen and the case is skipped.
TEST_F(Win32FileSystemTest, ReadOnlyMaskCannotBeReplaced) {
  const std::string readOnly = WriteFile("locked.APD", "keep me");
  ASSERT_TRUE(::SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));
  const HANDLE probe = ::CreateFileA(readOnly.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (probe != INVALID_HANDLE_VALUE) {
    ::CloseHandle(probe);
    GTEST_SKIP() << "this system lets read-only files be written (Wine run by root)";
  }
  ExpectCannotCreate(readOnly, readOnly);
  EXPECT_EQ(Contents(readOnly), "keep me");
}

TEST_F(Win32FileSystemTest, ReadWhole) {
  std::string contents;
  for (int i = 0; i < 70000; ++i) contents.push_back(static_cast<char>(i * 31));
  EXPECT_EQ(files_.ReadWhole(WriteFile("sky.bmp", contents)),
            std::vector<uint8_t>(contents.begin(), contents.end()));
  EXPECT_TRUE(files_.ReadWhole(WriteFile("empty.bmp", "")).empty());
  ASSERT_TRUE(::CreateDirectoryA(PathOf("folder.bmp").c_str(), nullptr));
  EXPECT_EQ(ReadFailure(PathOf("folder.bmp")), LoadFailure::CannotOpen);
  EXPECT_EQ(ReadFailure(PathOf("missing.bmp")), LoadFailure::CannotOpen);
}

TEST_F(Win32FileSystemTest, FileHeldForWritingCannotBeRead) {
  const std::string path = WriteFile("busy.bmp", "BM");
  const HANDLE writer = ::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  EXPECT_EQ(ReadFailure(path), LoadFailure::CannotOpen);
  ::CloseHandle(writer);
  EXPECT_EQ(files_.ReadWhole(path).size(), 2u);
}

TEST_F(Win32FileSystemTest, ExistenceTest) {
  const std::string file = WriteFile("sky.bmp", "BM");
  ASSERT_TRUE(::CreateDirectoryA(PathOf("folder.bmp").c_str(), nullptr));
  EXPECT_TRUE(files_.Exists(file));
  EXPECT_FALSE(files_.Exists(PathOf("missing.bmp")));
  EXPECT_FALSE(files_.Exists(PathOf("folder.bmp")));
  EXPECT_FALSE(files_.Exists(""));
  // Patterns would find sky.bmp, but name no file themselves.
  for (const char* pattern : {"*.bmp", "sky.*", "s?y.bmp", "sk<", "sky\"bmp"}) {
    EXPECT_FALSE(files_.Exists(PathOf(pattern))) << pattern;
  }
}

TEST_F(Win32FileSystemTest, LastWriteTimeMustBeAnMsDosDate) {
  const std::string file = WriteFile("old.bmp", "BM");
  SetLastWriteTime(file, 1980);
  EXPECT_TRUE(files_.Exists(file));
  SetLastWriteTime(file, 1979);
  EXPECT_FALSE(files_.Exists(file));
  SetLastWriteTime(file, 1601);
  EXPECT_FALSE(files_.Exists(file));
  SetLastWriteTime(file, 2107);
  EXPECT_TRUE(files_.Exists(file));
  SetLastWriteTime(file, 2108);
  EXPECT_FALSE(files_.Exists(file));
}

TEST_F(Win32FileSystemTest, SameFile) {
  const std::string a = WriteFile("a.bmp", "BM");
  const std::string b = WriteFile("b.bmp", "BM");
  EXPECT_TRUE(files_.SameFile(a, a));
  EXPECT_TRUE(files_.SameFile(a, PathOf("A.BMP")));  // letter case is ignored
  EXPECT_TRUE(files_.SameFile(a, dir_ + "\\.\\a.bmp"));
  EXPECT_FALSE(files_.SameFile(a, b));
  EXPECT_FALSE(files_.SameFile(a, PathOf("missing.bmp")));
}

class Win32CodePage932Test : public Win32FileSystemTest {
 protected:
  void SetUp() override {
    if (::GetACP() != 932) GTEST_SKIP() << "needs the Japanese ANSI code page (LANG=ja_JP.UTF-8)";
    Win32FileSystemTest::SetUp();
  }
};

TEST_F(Win32CodePage932Test, DisplayPathIsUtf8) {
  EXPECT_EQ(files_.DisplayPath(std::string("C:\\") + kHyou + "\\\x83\x5C.bmp"),
            "C:\\表\\ソ.bmp");
  EXPECT_EQ(files_.DisplayPath("C:\\\xBF\xD7.bmp"), "C:\\ｿﾗ.bmp");
  EXPECT_EQ(files_.DisplayPath(""), "");
}

TEST_F(Win32CodePage932Test, SystemPathRulesKnowTheSecondByteBackslash) {
  const PathRules rules = SystemPathRules();
  ASSERT_NE(rules.isLeadByte, nullptr);
  EXPECT_TRUE(rules.isLeadByte(0x95));
  EXPECT_TRUE(rules.isLeadByte(0xE0));
  EXPECT_FALSE(rules.isLeadByte('\\'));
  EXPECT_FALSE(rules.isLeadByte(0xBF));  // half-width katakana
  EXPECT_EQ(MaskFileName(std::string("C:\\") + kHyou, rules), std::string("C:\\") + kHyou + ".APD");
  EXPECT_EQ(MaskFileName(std::string("C:\\sky.") + kHyou, rules), "C:\\sky.APD");
}

// A bitmap named in double-byte characters, from the existence test to its
// mask beside it, with the error text in UTF-8.
TEST_F(Win32CodePage932Test, DoubleByteNamesEndToEnd) {
  const std::string bitmap = WriteFile(std::string("sky.") + kHyou, "BM");
  ASSERT_TRUE(files_.Exists(bitmap));
  const std::string mask = MaskFileName(bitmap, SystemPathRules());
  EXPECT_EQ(mask, PathOf("sky.APD"));
  files_.CreateMaskFile(mask)->Close();
  EXPECT_TRUE(files_.Exists(mask));

  // 表\sky.APD in a folder 表 that does not exist
  ExpectCannotCreate(PathOf(std::string(kHyou) + "\\sky.APD"),
                     files_.DisplayPath(dir_) + "\\表\\sky.APD");
}

}  // namespace
}  // namespace vm
