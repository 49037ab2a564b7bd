#include "platform/win32/win32_output_file.h"

#include <utility>

#include "mask/errors.h"
#include "mask/messages.h"

namespace vm {

Win32OutputFile::Win32OutputFile(HANDLE handle, std::string displayPath)
    : handle_(handle), displayPath_(std::move(displayPath)) {}

void Win32OutputFile::Write(const uint8_t* data, std::size_t size) {
  if (!handle_.valid()) throw MaskFileError(text::CannotWriteMask(displayPath_));
  // WriteFile takes a 32-bit count; a disk that fills up reports success
  // with fewer bytes written, so the count is checked, not only the result.
  constexpr std::size_t kMaxChunk = 1u << 30;
  while (size > 0) {
    const DWORD asked = static_cast<DWORD>(size < kMaxChunk ? size : kMaxChunk);
    DWORD written = 0;
    if (!::WriteFile(handle_.get(), data, asked, &written, nullptr) || written == 0) {
      throw MaskFileError(text::CannotWriteMask(displayPath_));
    }
    data += written;
    size -= written;
  }
}

void Win32OutputFile::Close() {
  if (!handle_.valid()) return;
  if (!::CloseHandle(handle_.release())) throw MaskFileError(text::CannotWriteMask(displayPath_));
}

}  // namespace vm
