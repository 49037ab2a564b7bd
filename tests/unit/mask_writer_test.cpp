// The mask writer: byte layout, buffering, and what reaches the file on
// every way out (closed, abandoned by an exception, failed write).
#include "mask/mask_writer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "mask/errors.h"
#include "mask/messages.h"

namespace vm {
namespace {

// What the stand-in file saw. Outlives the file, which the writer owns.
struct FileRecord {
  std::vector<uint8_t> bytes;
  int writeCalls = 0;
  int closeCalls = 0;
  bool destroyed = false;
};

// An in-memory mask file that can run out of room after a chosen number of
// bytes: it keeps the bytes that fitted and reports the write as failed,
// like a disk that fills up in the middle of a write.
class MemoryFile : public OutputFile {
 public:
  MemoryFile(FileRecord& record, std::size_t capacity, bool failClose = false)
      : record_(record), capacity_(capacity), failClose_(failClose) {}
  ~MemoryFile() override { record_.destroyed = true; }

  void Write(const uint8_t* data, std::size_t size) override {
    ++record_.writeCalls;
    const std::size_t room = capacity_ - record_.bytes.size();
    const std::size_t taken = size < room ? size : room;
    record_.bytes.insert(record_.bytes.end(), data, data + taken);
    if (taken < size) throw MaskFileError("disk full");
  }
  void Close() override {
    ++record_.closeCalls;
    if (failClose_) throw MaskFileError("close failed");
  }

 private:
  FileRecord& record_;
  std::size_t capacity_;
  bool failClose_;
};

constexpr std::size_t kUnlimited = SIZE_MAX;

std::unique_ptr<OutputFile> MakeFile(FileRecord& record, std::size_t capacity = kUnlimited,
                                     bool failClose = false) {
  return std::make_unique<MemoryFile>(record, capacity, failClose);
}

std::vector<uint8_t> Encoded(const std::vector<MaskRect>& rects) {
  std::vector<uint8_t> bytes(rects.size() * kMaskRectBytes);
  for (std::size_t i = 0; i < rects.size(); ++i) EncodeMaskRect(rects[i], &bytes[i * kMaskRectBytes]);
  return bytes;
}

std::vector<MaskRect> RowRects(int count) {
  std::vector<MaskRect> rects;
  for (int y = 0; y < count; ++y) rects.push_back({y % 7, y, y % 7 + 3, y + 1});
  return rects;
}

TEST(MaskRectEncoding, FourSignedLittleEndianFields) {
  uint8_t bytes[kMaskRectBytes];
  EncodeMaskRect({0x01020304, 0x7FFFFFFF, -1, 0x100}, bytes);
  const uint8_t expected[kMaskRectBytes] = {
      0x04, 0x03, 0x02, 0x01,  // Left
      0xFF, 0xFF, 0xFF, 0x7F,  // Top
      0xFF, 0xFF, 0xFF, 0xFF,  // Right
      0x00, 0x01, 0x00, 0x00,  // Bottom
  };
  EXPECT_EQ(std::vector<uint8_t>(bytes, bytes + 16), std::vector<uint8_t>(expected, expected + 16));
}

TEST(MaskWriter, CloseWritesEveryRectangleInOrder) {
  FileRecord record;
  const std::vector<MaskRect> rects = {{0, 0, 2, 1}, {3, 0, 4, 1}, {1, 5, 9, 6}};
  MaskWriter writer(MakeFile(record), "m.APD");
  for (const MaskRect& r : rects) writer.Append(r);
  writer.Close();
  EXPECT_EQ(record.bytes, Encoded(rects));
  EXPECT_EQ(writer.count(), 3u);
  EXPECT_EQ(record.closeCalls, 1);
}

TEST(MaskWriter, NoRectanglesGiveAnEmptyClosedFile) {
  FileRecord record;
  MaskWriter writer(MakeFile(record), "m.APD");
  writer.Close();
  EXPECT_TRUE(record.bytes.empty());
  EXPECT_EQ(record.writeCalls, 0);
  EXPECT_EQ(record.closeCalls, 1);
  writer.Close();  // a second Close changes nothing
  EXPECT_EQ(record.closeCalls, 1);
}

TEST(MaskWriter, ManyRectanglesGoOutInFewLargeWrites) {
  FileRecord record;
  const std::vector<MaskRect> rects = RowRects(10000);  // 160000 bytes
  MaskWriter writer(MakeFile(record), "m.APD");
  for (const MaskRect& r : rects) writer.Append(r);
  writer.Close();
  EXPECT_EQ(record.bytes, Encoded(rects));
  EXPECT_LE(record.writeCalls, 4);
}

TEST(MaskWriter, DestructorWithoutCloseKeepsWhatWasAppended) {
  FileRecord record;
  const std::vector<MaskRect> rects = RowRects(5);
  {
    MaskWriter writer(MakeFile(record), "m.APD");
    for (const MaskRect& r : rects) writer.Append(r);
  }
  EXPECT_EQ(record.bytes, Encoded(rects));
  EXPECT_EQ(record.closeCalls, 1);
  EXPECT_TRUE(record.destroyed);
}

TEST(MaskWriter, ExceptionLeavingTheScanStillFlushesTheFile) {
  FileRecord record;
  const std::vector<MaskRect> rects = RowRects(3);
  try {
    MaskWriter writer(MakeFile(record), "m.APD");
    for (const MaskRect& r : rects) writer.Append(r);
    throw std::runtime_error("the scan stopped");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(record.bytes, Encoded(rects));
  EXPECT_EQ(record.closeCalls, 1);
}

TEST(MaskWriter, DestructorSwallowsAFailedFinalWrite) {
  FileRecord record;
  {
    MaskWriter writer(MakeFile(record, 20), "m.APD");
    writer.Append({0, 0, 1, 1});
    writer.Append({0, 1, 1, 2});
  }  // must not throw
  EXPECT_EQ(record.bytes.size(), 20u);
  EXPECT_EQ(record.closeCalls, 1);
}

// A full disk at various points: inside the first rectangle, on a rectangle
// boundary, inside a later buffer. The failure is reported with the user's
// text, the file is still closed, and nothing after it succeeds.
TEST(MaskWriter, FailedWriteIsReportedAndNeverPassesForSuccess) {
  for (const std::size_t capacity : {std::size_t{0}, std::size_t{7}, std::size_t{32},
                                     std::size_t{65536 + 5}}) {
    SCOPED_TRACE(capacity);
    FileRecord record;
    MaskWriter writer(MakeFile(record, capacity), "C:\\Pics\\sky.APD");
    bool failed = false;
    try {
      for (const MaskRect& r : RowRects(6000)) writer.Append(r);
      writer.Close();
    } catch (const MaskFileError& e) {
      failed = true;
      EXPECT_EQ(std::string(e.what()), text::CannotWriteMask("C:\\Pics\\sky.APD"));
    }
    EXPECT_TRUE(failed);
    EXPECT_EQ(record.bytes.size(), capacity);
    EXPECT_THROW(writer.Append({0, 0, 1, 1}), MaskFileError);
    EXPECT_THROW(writer.Close(), MaskFileError);
    EXPECT_EQ(record.closeCalls, 1);
  }
}

TEST(MaskWriter, FailedWriteDuringAppendStopsFurtherAppends) {
  FileRecord record;
  MaskWriter writer(MakeFile(record, 100), "m.APD");
  const std::vector<MaskRect> rects = RowRects(4096);  // exactly one full buffer
  for (const MaskRect& r : rects) writer.Append(r);
  EXPECT_THROW(writer.Append({0, 0, 1, 1}), MaskFileError);  // flushes, disk full
  const int writesSoFar = record.writeCalls;
  EXPECT_THROW(writer.Append({0, 0, 1, 1}), MaskFileError);
  EXPECT_EQ(record.writeCalls, writesSoFar);  // nothing more was tried
  EXPECT_EQ(writer.count(), 4096u);
}

TEST(MaskWriter, FailedCloseIsReported) {
  FileRecord record;
  MaskWriter writer(MakeFile(record, kUnlimited, /*failClose=*/true), "m.APD");
  writer.Append({0, 0, 1, 1});
  try {
    writer.Close();
    FAIL() << "a failed close passed for success";
  } catch (const MaskFileError& e) {
    EXPECT_EQ(std::string(e.what()), text::CannotWriteMask("m.APD"));
  }
  EXPECT_EQ(record.bytes.size(), 16u);
}

}  // namespace
}  // namespace vm
