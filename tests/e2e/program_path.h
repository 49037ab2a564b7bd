#pragma once
// Where the program under test lives, as given on the driver's command line.
#include <string>

namespace vm::e2e {

// The path as Windows sees it. A Unix path (the build tree's, as CTest hands
// it over under Wine) is turned into the drive path that Wine maps it to; a
// relative path stays relative to the current folder.
std::wstring WindowsPathOf(const std::string& given);

void SetProgramPath(std::wstring path);
const std::wstring& ProgramPath();

}  // namespace vm::e2e
