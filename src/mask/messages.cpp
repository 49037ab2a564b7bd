#include "mask/messages.h"

#include <string>

namespace vm::text {
namespace {

std::string Concat(std::string_view a, std::string_view b, std::string_view c) {
  std::string s;
  s.reserve(a.size() + b.size() + c.size());
  s.append(a).append(b).append(c);
  return s;
}

}  // namespace

std::string CannotCreateMask(std::string_view maskPath) {
  return Concat("ファイル ", maskPath, " を作成できません");
}

std::string CannotWriteMask(std::string_view maskPath) {
  return Concat("ファイル ", maskPath, " に書き込めません");
}

std::string FileMissing(std::string_view path) {
  return Concat("ファイル「", path, "」が存在しません。");
}

std::string NotABitmap(std::string_view path) {
  return Concat("ファイル「", path, "」はビットマップファイルではありません。");
}

std::string MaskWouldReplaceBitmap(std::string_view path) {
  return Concat("ファイル「", path, "」のマスクファイル名がファイル自身と同じです。");
}

std::string_view NoMaskForThisFile() {
  return "このファイルに対してのマスクファイルは作成されません。";
}

std::string_view LoadFailureReason(LoadFailure kind) {
  switch (kind) {
    case LoadFailure::CannotOpen: return "ファイルを開けません";
    case LoadFailure::ReadFailed: return "ファイルを読み込めません";
    case LoadFailure::TooShort: return "ファイルが短すぎます";
    case LoadFailure::NotBmp: return "BMP 形式ではありません";
    case LoadFailure::BadHeader: return "ヘッダーが壊れています";
    case LoadFailure::Unsupported: return "対応していない BMP 形式です";
    case LoadFailure::Truncated: return "ファイルが途中で切れています";
    case LoadFailure::TooLarge: return "画像が大きすぎます";
  }
  return "読み込めません";
}

}  // namespace vm::text
