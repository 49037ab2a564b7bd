#include "mask/mask_writer.h"

#include <utility>

#include "mask/errors.h"
#include "mask/messages.h"

namespace vm {
namespace {

// Rectangles are gathered in memory and handed to the system in large
// writes: one system call per rectangle would dominate the scan's time.
constexpr std::size_t kBufferBytes = 64 * 1024;

}  // namespace

MaskWriter::MaskWriter(std::unique_ptr<OutputFile> file, std::string displayPath)
    : file_(std::move(file)), displayPath_(std::move(displayPath)) {
  buffer_.reserve(kBufferBytes);
}

MaskWriter::~MaskWriter() {
  // Reached without Close(): the scan was left by an exception, or the caller
  // did not care for the outcome. The rectangles gathered so far still go to
  // the file, but nothing may be thrown from here.
  if (!file_) return;
  try {
    Close();
  } catch (...) {
  }
}

void MaskWriter::Append(const MaskRect& rect) {
  if (failed_ || !file_) throw MaskFileError(text::CannotWriteMask(displayPath_));
  if (buffer_.size() + kMaskRectBytes > kBufferBytes) Flush();
  const std::size_t at = buffer_.size();
  buffer_.resize(at + kMaskRectBytes);
  EncodeMaskRect(rect, buffer_.data() + at);
  ++count_;
}

void MaskWriter::Close() {
  if (file_) {
    // The file is released whatever becomes of the last write.
    std::unique_ptr<OutputFile> file = std::move(file_);
    if (!failed_) {
      try {
        WriteBuffer(*file);
      } catch (const MaskFileError&) {
        // failed_ is set; reported below, after the file is released.
      }
    }
    try {
      file->Close();
    } catch (const Error&) {
      // A close that fails may have lost data written before it (on a
      // network share, say): the mask cannot be trusted.
      failed_ = true;
    }
  }
  if (failed_) throw MaskFileError(text::CannotWriteMask(displayPath_));
}

void MaskWriter::Flush() { WriteBuffer(*file_); }

void MaskWriter::WriteBuffer(OutputFile& file) {
  if (buffer_.empty()) return;
  try {
    file.Write(buffer_.data(), buffer_.size());
  } catch (const Error&) {
    // What reached the file is unknown: never pretend later rectangles
    // follow the earlier ones.
    failed_ = true;
    buffer_.clear();
    throw MaskFileError(text::CannotWriteMask(displayPath_));
  }
  buffer_.clear();
}

}  // namespace vm
