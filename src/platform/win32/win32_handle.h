#pragma once
// Owns a file handle: closed on every way out unless released.
#include <windows.h>

namespace vm {

class Win32Handle {
 public:
  explicit Win32Handle(HANDLE handle) : handle_(handle) {}
  ~Win32Handle() {
    if (valid()) ::CloseHandle(handle_);
  }
  Win32Handle(const Win32Handle&) = delete;
  Win32Handle& operator=(const Win32Handle&) = delete;

  bool valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
  HANDLE get() const { return handle_; }
  HANDLE release() {
    const HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    return handle;
  }

 private:
  HANDLE handle_;
};

}  // namespace vm
