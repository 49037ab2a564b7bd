#pragma once
// The core's errors. Every error carries the user's text in UTF-8 as what();
// the texts themselves are made in messages.cpp, nowhere else.
#include <stdexcept>
#include <string>

namespace vm {

class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Why a bitmap did not load. A small fixed set, so callers can react by kind
// and the loader never has to invent texts.
enum class LoadFailure {
  CannotOpen,   // missing, denied, or held open for writing elsewhere
  ReadFailed,   // an I/O error other than the early end of the pixel data
  TooShort,     // 1 to 13 bytes
  NotBmp,       // does not begin with "BM"
  BadHeader,    // header cut short, planes not 1, impossible field values
  Unsupported,  // a kind of BMP this loader does not read
  Truncated,    // ends inside the channel masks or the colour table
  TooLarge,     // image storage no 32-bit process could have
};

class LoadError : public Error {
 public:
  explicit LoadError(LoadFailure kind);
  LoadFailure kind() const { return kind_; }

 private:
  LoadFailure kind_;
};

// A mask file could not be created or written. Ends the whole run.
class MaskFileError : public Error {
 public:
  using Error::Error;
};

}  // namespace vm
