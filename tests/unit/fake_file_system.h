#pragma once
// An in-memory stand-in for the system's files, for tests of the per-file
// conversion: files are byte vectors by path, folders and uncreatable or
// unreadable names can be declared, and open mask files are tracked so a
// test can see that every created file was closed.
#include <algorithm>
#include <cctype>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "mask/errors.h"
#include "mask/messages.h"
#include "platform/file_system.h"

namespace vm::testing {

class FakeFileSystem : public FileSystem {
 public:
  std::map<std::string, std::vector<uint8_t>> files;
  std::set<std::string> folders;       // entries that are folders
  std::set<std::string> uncreatable;   // CreateMaskFile refuses these
  std::set<std::string> unreadable;    // ReadWhole refuses these
  bool ignoresLetterCase = false;      // as on Windows
  std::set<std::string> openFiles;     // mask files created and not yet closed
  std::vector<std::string> created;    // every CreateMaskFile, in order
  std::vector<std::string> read;       // every ReadWhole, in order

  bool Exists(const std::string& path) override {
    return FindFile(path) != files.end() && folders.count(Key(path)) == 0;
  }

  std::vector<uint8_t> ReadWhole(const std::string& path) override {
    read.push_back(path);
    auto it = FindFile(path);
    if (it == files.end() || unreadable.count(Key(path))) throw LoadError(LoadFailure::CannotOpen);
    return it->second;
  }

  std::unique_ptr<OutputFile> CreateMaskFile(const std::string& path) override {
    created.push_back(path);
    if (uncreatable.count(Key(path))) throw MaskFileError(text::CannotCreateMask(path));
    auto it = FindFile(path);
    std::vector<uint8_t>& bytes = it != files.end() ? it->second : files[path];
    bytes.clear();  // created anew, replacing any older file
    openFiles.insert(Key(path));
    return std::make_unique<File>(*this, Key(path), bytes);
  }

  bool SameFile(const std::string& a, const std::string& b) override {
    return Exists(a) && Exists(b) && Key(a) == Key(b);
  }

  std::string DisplayPath(const std::string& path) override { return path; }

 private:
  class File : public OutputFile {
   public:
    File(FakeFileSystem& owner, std::string key, std::vector<uint8_t>& bytes)
        : owner_(owner), key_(std::move(key)), bytes_(bytes) {}
    void Write(const uint8_t* data, std::size_t size) override {
      bytes_.insert(bytes_.end(), data, data + size);
    }
    void Close() override { owner_.openFiles.erase(key_); }

   private:
    FakeFileSystem& owner_;
    std::string key_;
    std::vector<uint8_t>& bytes_;
  };

  std::string Key(const std::string& path) const {
    if (!ignoresLetterCase) return path;
    std::string key = path;
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return key;
  }

  std::map<std::string, std::vector<uint8_t>>::iterator FindFile(const std::string& path) {
    for (auto it = files.begin(); it != files.end(); ++it)
      if (Key(it->first) == Key(path)) return it;
    return files.end();
  }
};

}  // namespace vm::testing
