#pragma once
// Files on POSIX systems (the command-line tool and the native tests).
// Share modes do not exist here; advisory locks stand in for them: a mask
// file is held under an exclusive flock while open, and a bitmap is read
// under a shared one, so two runs never write one mask at the same time.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/posix/posix_fd_guard.h"

namespace vm {

// An open file descriptor that takes the mask's bytes. Owns the descriptor.
class PosixOutputFile : public OutputFile {
 public:
  PosixOutputFile(int fd, std::string displayPath);

  void Write(const uint8_t* data, std::size_t size) override;
  void Close() override;

 private:
  FdGuard fd_;  // closed on destruction if Close() was not reached
  std::string displayPath_;
};

class PosixFileSystem : public FileSystem {
 public:
  bool Exists(const std::string& path) override;
  std::vector<uint8_t> ReadWhole(const std::string& path) override;
  std::unique_ptr<OutputFile> CreateMaskFile(const std::string& path) override;
  bool SameFile(const std::string& a, const std::string& b) override;
  std::string DisplayPath(const std::string& path) override;
};

}  // namespace vm
