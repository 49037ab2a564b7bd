#include "mask/mask_name.h"

#include <string>
#include <string_view>

namespace vm {
namespace {

constexpr std::string_view kMaskExtension = ".APD";

bool EndsFileName(char c, const PathRules& rules) {
  if (c == '/') return true;  // a separator on both systems
  return rules.windowsSeparators && (c == '\\' || c == ':');
}

// The position of the "." that starts the file name's extension, or npos.
// Whether a byte is the second byte of a double-byte character can only be
// told by walking the characters from a known boundary, the path's start:
// the byte before it may itself be a second byte ("表" is 0x95 0x5C and 0x95
// is also a valid second byte). So the walk goes forward and remembers the
// last character that could end the search backward.
std::size_t ExtensionStart(std::string_view path, const PathRules& rules) {
  std::size_t dot = std::string_view::npos;
  for (std::size_t i = 0; i < path.size(); ++i) {
    const char c = path[i];
    if (c == '.') {
      dot = i;
    } else if (EndsFileName(c, rules)) {
      dot = std::string_view::npos;
    } else if (rules.isLeadByte && rules.isLeadByte(static_cast<unsigned char>(c))) {
      ++i;  // its second byte is part of the same character
    }
  }
  return dot;
}

}  // namespace

bool IsCodePage932LeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::string MaskFileName(std::string_view bitmapPath, const PathRules& rules) {
  const std::size_t dot = ExtensionStart(bitmapPath, rules);
  const std::string_view stem =
      dot == std::string_view::npos ? bitmapPath : bitmapPath.substr(0, dot);
  std::string mask;
  mask.reserve(stem.size() + kMaskExtension.size());
  mask.append(stem).append(kMaskExtension);
  return mask;
}

}  // namespace vm
