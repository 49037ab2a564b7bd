#pragma once
// A folder of its own for one test's files, removed with everything in it
// when the test ends.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vm::e2e {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // name inside the folder, as a full path.
  std::wstring PathOf(const std::wstring& name) const { return path_ + L"\\" + name; }

 private:
  std::wstring path_;
};

bool WriteBytes(const std::wstring& path, const std::vector<std::uint8_t>& bytes);
// The whole content, or nothing when the file cannot be read.
std::optional<std::vector<std::uint8_t>> ReadBytes(const std::wstring& path);

}  // namespace vm::e2e
