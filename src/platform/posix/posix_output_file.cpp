#include <cerrno>
#include <utility>

#include <unistd.h>

#include "mask/errors.h"
#include "mask/messages.h"
#include "platform/posix/posix_file_system.h"

namespace vm {

PosixOutputFile::PosixOutputFile(int fd, std::string displayPath)
    : fd_(fd), displayPath_(std::move(displayPath)) {}

void PosixOutputFile::Write(const uint8_t* data, std::size_t size) {
  if (!fd_.valid()) throw MaskFileError(text::CannotWriteMask(displayPath_));
  // write() may take fewer bytes than offered (a signal, a pipe, a quota);
  // only an error or a write of nothing ends the loop early.
  while (size > 0) {
    const ssize_t written = ::write(fd_.get(), data, size);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) throw MaskFileError(text::CannotWriteMask(displayPath_));
    data += written;
    size -= static_cast<std::size_t>(written);
  }
}

void PosixOutputFile::Close() {
  if (!fd_.valid()) return;
  // close() is not retried on EINTR: on Linux the descriptor is gone either
  // way. Its failure can mean lost data (NFS reports write errors here).
  if (::close(fd_.release()) != 0 && errno != EINTR) {
    throw MaskFileError(text::CannotWriteMask(displayPath_));
  }
}

}  // namespace vm
