#pragma once
// Files on Windows, through the ANSI functions: the paths in the list are
// byte strings in the system's ANSI code page, exactly as the open-file
// dialog reported them.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace vm {

class Win32FileSystem : public FileSystem {
 public:
  bool Exists(const std::string& path) override;
  std::vector<uint8_t> ReadWhole(const std::string& path) override;
  std::unique_ptr<OutputFile> CreateMaskFile(const std::string& path) override;
  bool SameFile(const std::string& a, const std::string& b) override;
  std::string DisplayPath(const std::string& path) override;
};

}  // namespace vm
