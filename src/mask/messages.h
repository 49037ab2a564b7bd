#pragma once
// Every text the user reads, in UTF-8. Paths arrive already converted to
// UTF-8 by the platform (see FileSystem::DisplayPath).
#include <string>
#include <string_view>

#include "mask/errors.h"

namespace vm::text {

// "ファイル %s を作成できません"
std::string CannotCreateMask(std::string_view maskPath);
// A failed or short write to a mask file.
std::string CannotWriteMask(std::string_view maskPath);
// "ファイル「path」が存在しません。"  (first line of the missing-file message)
std::string FileMissing(std::string_view path);
// "ファイル「path」はビットマップファイルではありません。"
std::string NotABitmap(std::string_view path);
// "ファイル「path」のマスクファイル名がファイル自身と同じです。" (a listed
// "x.APD" whose mask would replace it)
std::string MaskWouldReplaceBitmap(std::string_view path);
// "このファイルに対してのマスクファイルは作成されません。"
std::string_view NoMaskForThisFile();
// A short reason for a failed load, for the command-line tool's report.
std::string_view LoadFailureReason(LoadFailure kind);

}  // namespace vm::text
