#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_text.h"

#include <windows.h>

#include <new>
#include <string>

#include "mask/errors.h"
#include "mask/messages.h"
#include "platform/read_limit.h"
#include "platform/win32/win32_handle.h"
#include "platform/win32/win32_output_file.h"

namespace vm {
namespace {

// The file search takes these as patterns ("<", ">" and '"' are its
// DOS-style wildcards), and would report some other file as found. None
// can be part of a real file name, nor a second byte of a double-byte
// character (those start at 0x40), so a path holding one names no file.
bool HasWildcard(const std::string& path) {
  return path.find_first_of("*?<>\"") != std::string::npos;
}

// The last-write time, in local time, must make a valid MS-DOS date: the
// years 1980 to 2107. The year is checked as well as the conversion, since
// not every version of the conversion refuses the years outside.
bool IsDosTime(const FILETIME& written) {
  FILETIME local;
  WORD dosDate = 0;
  WORD dosTime = 0;
  SYSTEMTIME parts;
  if (!::FileTimeToLocalFileTime(&written, &local)) return false;
  if (!::FileTimeToDosDateTime(&local, &dosDate, &dosTime)) return false;
  if (!::FileTimeToSystemTime(&local, &parts)) return false;
  return parts.wYear >= 1980 && parts.wYear <= 2107;
}

std::vector<uint8_t> ReadHandle(HANDLE file, uint64_t size) {
  std::vector<uint8_t> bytes;
  try {
    bytes.resize(static_cast<std::size_t>(size));
  } catch (const std::bad_alloc&) {
    // The process cannot hold the file, so it could never hold its image.
    throw LoadError(LoadFailure::TooLarge);
  }
  // No one can write the file while we hold it (only readers share it), so
  // its size stays as it was; a read of nothing still ends the loop.
  std::size_t filled = 0;
  while (filled < bytes.size()) {
    const std::size_t left = bytes.size() - filled;
    const DWORD asked = static_cast<DWORD>(left < (1u << 30) ? left : (1u << 30));
    DWORD got = 0;
    if (!::ReadFile(file, bytes.data() + filled, asked, &got, nullptr)) {
      throw LoadError(LoadFailure::ReadFailed);
    }
    if (got == 0) break;
    filled += got;
  }
  bytes.resize(filled);
  return bytes;
}

}  // namespace

bool Win32FileSystem::Exists(const std::string& path) {
  if (path.empty() || HasWildcard(path)) return false;
  WIN32_FIND_DATAA found;
  const HANDLE search = ::FindFirstFileA(path.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  ::FindClose(search);
  if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return false;
  return IsDosTime(found.ftLastWriteTime);
}

std::vector<uint8_t> Win32FileSystem::ReadWhole(const std::string& path) {
  // Shared with readers only: a file held open for writing elsewhere cannot
  // be opened, and nobody can change it while it is read.
  Win32Handle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN,
                                 nullptr));
  if (!file.valid() || ::GetFileType(file.get()) != FILE_TYPE_DISK) {
    throw LoadError(LoadFailure::CannotOpen);
  }
  LARGE_INTEGER size;
  if (!::GetFileSizeEx(file.get(), &size)) throw LoadError(LoadFailure::ReadFailed);
  if (static_cast<uint64_t>(size.QuadPart) > kMaxReadBytes) throw LoadError(LoadFailure::TooLarge);
  return ReadHandle(file.get(), static_cast<uint64_t>(size.QuadPart));
}

std::unique_ptr<OutputFile> Win32FileSystem::CreateMaskFile(const std::string& path) {
  // Read and write access, shared with nobody, always made anew.
  Win32Handle file(::CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                 CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  std::string display = DisplayPath(path);
  // A device name (NUL, COM1) opens the device, which would swallow the mask.
  if (!file.valid() || ::GetFileType(file.get()) != FILE_TYPE_DISK) {
    throw MaskFileError(text::CannotCreateMask(display));
  }
  return std::make_unique<Win32OutputFile>(file.release(), std::move(display));
}

bool Win32FileSystem::SameFile(const std::string& a, const std::string& b) {
  // No access asked, so files that others hold without sharing can be
  // compared too.
  const auto identify = [](const std::string& path, BY_HANDLE_FILE_INFORMATION& info) {
    Win32Handle file(::CreateFileA(path.c_str(), 0,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                   nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.valid() && ::GetFileInformationByHandle(file.get(), &info);
  };
  BY_HANDLE_FILE_INFORMATION infoA;
  BY_HANDLE_FILE_INFORMATION infoB;
  if (!identify(a, infoA) || !identify(b, infoB)) return false;
  return infoA.dwVolumeSerialNumber == infoB.dwVolumeSerialNumber &&
         infoA.nFileIndexHigh == infoB.nFileIndexHigh &&
         infoA.nFileIndexLow == infoB.nFileIndexLow;
}

std::string Win32FileSystem::DisplayPath(const std::string& path) {
  const std::string utf8 = win32::FromWide(win32::ToWide(path, CP_ACP), CP_UTF8);
  return utf8.empty() ? path : utf8;
}

}  // namespace vm
