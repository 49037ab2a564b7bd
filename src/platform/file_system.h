#pragma once
// What the core needs of files. Implemented once for POSIX and once for
// Win32 (vm_files); unit tests use an in-memory stand-in.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vm {

// An open mask file: created anew, exclusive to this process while open.
class OutputFile {
 public:
  virtual ~OutputFile() = default;
  // Writes all bytes at the end of the file; throws MaskFileError when the
  // system takes fewer (a full disk, say).
  virtual void Write(const uint8_t* data, std::size_t size) = 0;
  // Releases the file; throws MaskFileError when the system reports a failure.
  virtual void Close() = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // The run's existence test: an entry is found, it is not a folder, and its
  // last-write time in local time is a valid MS-DOS date (1980 to 2107).
  virtual bool Exists(const std::string& path) = 0;

  // Reads the whole file, others may read it meanwhile but not write.
  // Throws LoadError (CannotOpen, ReadFailed, TooLarge).
  virtual std::vector<uint8_t> ReadWhole(const std::string& path) = 0;

  // Creates the mask file anew (replacing any older one), read and write
  // access, shared with nobody. Throws MaskFileError with the user's text.
  virtual std::unique_ptr<OutputFile> CreateMaskFile(const std::string& path) = 0;

  // True when both paths name the same existing file (a mask path that
  // would replace its own bitmap).
  virtual bool SameFile(const std::string& a, const std::string& b) = 0;

  // A native path as UTF-8, for messages.
  virtual std::string DisplayPath(const std::string& path) = 0;
};

}  // namespace vm
