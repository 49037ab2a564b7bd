#pragma once
// The mask file's path, derived from its bitmap's path: the extension (the
// part from the last "." of the file name) is replaced by ".APD".
#include <string>
#include <string_view>

namespace vm {

struct PathRules {
  // True for a lead byte of a double-byte character in the path's code page;
  // the byte after it is never taken for ".", "\" or ":". Null: single-byte.
  bool (*isLeadByte)(unsigned char) = nullptr;
  // Windows: "\", ":" and "/" end the file name. POSIX: only "/" does.
  bool windowsSeparators = true;

  static PathRules Windows(bool (*isLeadByte)(unsigned char)) { return {isLeadByte, true}; }
  static PathRules Posix() { return {nullptr, false}; }
};

// Lead bytes of code page 932 (Shift-JIS), for tests and for hosts without a
// system query.
bool IsCodePage932LeadByte(unsigned char byte);

std::string MaskFileName(std::string_view bitmapPath, const PathRules& rules);

}  // namespace vm
