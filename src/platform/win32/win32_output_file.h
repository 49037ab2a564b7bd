#pragma once
// An open mask file: a handle created with no sharing, written in order.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/file_system.h"

namespace vm {

class Win32OutputFile : public OutputFile {
 public:
  Win32OutputFile(HANDLE handle, std::string displayPath);
  ~Win32OutputFile() override;  // closes if Close() was not reached
  Win32OutputFile(const Win32OutputFile&) = delete;
  Win32OutputFile& operator=(const Win32OutputFile&) = delete;

  void Write(const uint8_t* data, std::size_t size) override;
  void Close() override;

 private:
  HANDLE handle_;
  std::string displayPath_;
};

}  // namespace vm
