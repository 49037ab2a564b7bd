#pragma once
// An open mask file: a handle created with no sharing, written in order.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/file_system.h"
#include "platform/win32/win32_handle.h"

namespace vm {

class Win32OutputFile : public OutputFile {
 public:
  Win32OutputFile(HANDLE handle, std::string displayPath);

  void Write(const uint8_t* data, std::size_t size) override;
  void Close() override;

 private:
  Win32Handle handle_;  // closed on destruction if Close() was not reached
  std::string displayPath_;
};

}  // namespace vm
