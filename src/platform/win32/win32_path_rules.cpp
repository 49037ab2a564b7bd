#include <windows.h>

#include "platform/path_rules.h"

namespace vm {
namespace {

// The system's own test, so every double-byte ANSI code page (932, 936,
// 949, 950) is handled as the rest of Windows handles it.
bool IsAnsiLeadByte(unsigned char byte) { return ::IsDBCSLeadByte(byte) != FALSE; }

}  // namespace

PathRules SystemPathRules() {
  CPINFO info;
  if (::GetCPInfo(CP_ACP, &info) && info.MaxCharSize == 1) return PathRules::Windows(nullptr);
  return PathRules::Windows(&IsAnsiLeadByte);
}

}  // namespace vm
