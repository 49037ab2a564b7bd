#pragma once
// Runs vellumark-convert as its own process, with standard error captured,
// and gives throw-away folders and file helpers for its inputs.
#include <cstdint>
#include <string>
#include <vector>

namespace vm::clitest {

struct ToolRun {
  int exitCode = -1;
  std::string errors;  // everything written to standard error
  std::string output;  // everything written to standard output
};

ToolRun RunTool(const std::vector<std::string>& args);

// A fresh folder, removed with everything in it when the object goes.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  std::string Path(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);
std::vector<uint8_t> ReadFile(const std::string& path);  // empty when missing
bool FileExists(const std::string& path);

}  // namespace vm::clitest
