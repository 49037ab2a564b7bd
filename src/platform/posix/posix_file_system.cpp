// 64-bit file sizes and times also in 32-bit builds: a file beyond 2 GiB
// must be seen as too large, not as missing, and a date after 2038 read.
// Neither type crosses this file's interface.
#define _FILE_OFFSET_BITS 64
#define _TIME_BITS 64

#include "platform/posix/posix_file_system.h"

#include <cerrno>
#include <ctime>
#include <new>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "mask/errors.h"
#include "mask/messages.h"
#include "platform/large_buffer.h"
#include "platform/read_limit.h"

namespace vm {
namespace {

// The years an MS-DOS date can hold; a file stamped outside them counts as
// missing, as it does for the Windows file search.
bool IsDosYear(time_t when) {
  struct tm local {};
  if (localtime_r(&when, &local) == nullptr) return false;
  const long year = 1900L + local.tm_year;
  return year >= 1980 && year <= 2107;
}

int OpenForReading(const std::string& path) {
  // O_NONBLOCK keeps a FIFO listed by mistake from hanging the run; it is
  // refused below as not a regular file.
  int fd;
  do {
    fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) throw LoadError(LoadFailure::CannotOpen);
  return fd;
}

// Reads to the end of the file. The size from fstat is only a hint: the
// file may shrink or grow meanwhile, and the cap holds in both cases.
std::vector<uint8_t> ReadToEnd(int fd, uint64_t sizeHint) {
  std::vector<uint8_t> bytes;
  std::size_t filled = 0;
  try {
    // One byte more than announced, so that the end shows as a read of
    // nothing without a second allocation.
    bytes.reserve(static_cast<std::size_t>(sizeHint) + 1);
    HintLargeBuffer(bytes.data(), bytes.capacity());
    bytes.resize(static_cast<std::size_t>(sizeHint) + 1);
    for (;;) {
      if (filled > kMaxReadBytes) throw LoadError(LoadFailure::TooLarge);
      if (filled == bytes.size()) {
        const uint64_t grown = uint64_t{filled} + filled / 2 + 64 * 1024;
        bytes.resize(static_cast<std::size_t>(grown <= kMaxReadBytes ? grown : kMaxReadBytes + 1));
      }
      const ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
      if (got < 0 && errno == EINTR) continue;
      if (got < 0) throw LoadError(LoadFailure::ReadFailed);
      if (got == 0) break;
      filled += static_cast<std::size_t>(got);
    }
  } catch (const std::bad_alloc&) {
    // The process cannot hold the file, so it could never hold its image.
    throw LoadError(LoadFailure::TooLarge);
  }
  bytes.resize(filled);
  return bytes;
}

[[noreturn]] void ThrowCannotCreate(const std::string& display) {
  throw MaskFileError(text::CannotCreateMask(display));
}

}  // namespace

bool PosixFileSystem::Exists(const std::string& path) {
  struct stat info {};
  if (path.empty() || ::stat(path.c_str(), &info) != 0) return false;
  if (S_ISDIR(info.st_mode)) return false;
  return IsDosYear(info.st_mtime);
}

std::vector<uint8_t> PosixFileSystem::ReadWhole(const std::string& path) {
  FdGuard fd(OpenForReading(path));
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
    throw LoadError(LoadFailure::CannotOpen);
  }
  // Others may read the file meanwhile, but one that holds it for writing
  // under an exclusive lock (another run writing it as a mask) keeps us out.
  if (::flock(fd.get(), LOCK_SH | LOCK_NB) != 0) throw LoadError(LoadFailure::CannotOpen);
  if (static_cast<uint64_t>(info.st_size) > kMaxReadBytes) throw LoadError(LoadFailure::TooLarge);
  const int flags = ::fcntl(fd.get(), F_GETFL);
  if (flags >= 0) ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK);
  return ReadToEnd(fd.get(), static_cast<uint64_t>(info.st_size));
}

std::unique_ptr<OutputFile> PosixFileSystem::CreateMaskFile(const std::string& path) {
  const std::string display = DisplayPath(path);
  // No O_TRUNC: an older mask is emptied only once this process holds it
  // alone, so a file another run is still writing is never cut.
  int raw;
  do {
    raw = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0666);
  } while (raw < 0 && errno == EINTR);
  if (raw < 0) ThrowCannotCreate(display);
  FdGuard fd(raw);
  struct stat info {};
  // Only a regular file can become a mask: a FIFO or a device of that name
  // would swallow the rectangles or block the run.
  if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) ThrowCannotCreate(display);
  if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) ThrowCannotCreate(display);
  if (::ftruncate(fd.get(), 0) != 0) ThrowCannotCreate(display);
  const int flags = ::fcntl(fd.get(), F_GETFL);
  if (flags < 0 || ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) != 0) ThrowCannotCreate(display);
  return std::make_unique<PosixOutputFile>(fd.release(), display);
}

bool PosixFileSystem::SameFile(const std::string& a, const std::string& b) {
  struct stat infoA {};
  struct stat infoB {};
  if (::stat(a.c_str(), &infoA) != 0 || ::stat(b.c_str(), &infoB) != 0) return false;
  return infoA.st_dev == infoB.st_dev && infoA.st_ino == infoB.st_ino;
}

std::string PosixFileSystem::DisplayPath(const std::string& path) { return path; }

}  // namespace vm
