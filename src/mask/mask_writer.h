#pragma once
// Appends mask rectangles to an open mask file. Buffered: the rectangles of
// every span that has ended reach the file by Close(), on every way out.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "mask/mask_rect.h"
#include "platform/file_system.h"

namespace vm {

class MaskWriter {
 public:
  MaskWriter(std::unique_ptr<OutputFile> file, std::string displayPath);
  ~MaskWriter();  // closes if Close() was not reached; never throws
  MaskWriter(const MaskWriter&) = delete;
  MaskWriter& operator=(const MaskWriter&) = delete;

  void Append(const MaskRect& rect);  // may throw MaskFileError
  void Close();                       // flushes and closes; may throw MaskFileError
  uint64_t count() const { return count_; }  // rectangles appended

 private:
  void Flush();
  void WriteBuffer(OutputFile& file);
  std::unique_ptr<OutputFile> file_;
  std::string displayPath_;
  std::vector<uint8_t> buffer_;
  uint64_t count_ = 0;
  bool failed_ = false;  // a write failed: the file no longer matches count_
};

}  // namespace vm
