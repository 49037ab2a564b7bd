// The mask file's name: the bitmap path with its extension replaced.
#include "mask/mask_name.h"

#include <gtest/gtest.h>

#include <string>

namespace vm {
namespace {

struct NameCase {
  const char* bitmapPath;
  const char* maskPath;
};

void ExpectNames(const PathRules& rules, std::initializer_list<NameCase> cases) {
  for (const NameCase& c : cases) {
    EXPECT_EQ(MaskFileName(c.bitmapPath, rules), c.maskPath) << "bitmap path: " << c.bitmapPath;
  }
}

const PathRules kJapanese = PathRules::Windows(&IsCodePage932LeadByte);
const PathRules kSingleByte = PathRules::Windows(nullptr);

TEST(MaskFileName, WindowsPathsInAnyCodePage) {
  for (const PathRules& rules : {kJapanese, kSingleByte}) {
    ExpectNames(rules, {
        {"C:\\Pics\\sky.bmp", "C:\\Pics\\sky.APD"},
        {"C:\\Pics\\SKY.BMP", "C:\\Pics\\SKY.APD"},
        {"C:\\Pics\\sky.old.bmp", "C:\\Pics\\sky.old.APD"},
        {"C:\\Pics\\sky", "C:\\Pics\\sky.APD"},
        {"C:\\Pics.new\\sky", "C:\\Pics.new\\sky.APD"},
        {"C:\\Pics\\sky.", "C:\\Pics\\sky.APD"},
        {"C:\\Pics\\.bmp", "C:\\Pics\\.APD"},
        {"C:\\Pics\\sky.apd", "C:\\Pics\\sky.APD"},      // its own extension, any case
        {"C:sky.bmp", "C:sky.APD"},                       // drive-relative
        {"C:.hidden", "C:.APD"},
        {"D:", "D:.APD"},                                  // ":" ends the search
        {"\\\\server\\share.v2\\sky", "\\\\server\\share.v2\\sky.APD"},
        {"C:/Pics.new/sky", "C:/Pics.new/sky.APD"},        // "/" is a separator too
        {"sky.bmp", "sky.APD"},
        {"", ".APD"},
    });
  }
}

// Code page 932: "表" is 0x95 0x5C and "ソ" 0x83 0x5C, whose second byte is
// "\". Such a byte belongs to its character and never ends the search.
TEST(MaskFileName, SecondByteBackslashOfCodePage932) {
  ExpectNames(kJapanese, {
      {"C:\\\x95\x5C", "C:\\\x95\x5C.APD"},                        // C:\表
      {"C:\\dir\\\x83\x5C.bmp", "C:\\dir\\\x83\x5C.APD"},          // C:\dir\ソ.bmp
      {"C:\\Pics\\sky.\x95\x5C", "C:\\Pics\\sky.APD"},             // sky.表: its extension
      {"C:\\Pics\\a.\x83\x5C\x83\x5C", "C:\\Pics\\a.APD"},         // a.ソソ
      {"C:\\\x95\x5C.\x95\x5C\\sky", "C:\\\x95\x5C.\x95\x5C\\sky.APD"},  // folder 表.表
      // 写真\空.夏.bmp: kanji mixed with dots
      {"C:\\\x8E\xCA\x90\x5E\\\x8B\xF3.\x89\xC4.bmp", "C:\\\x8E\xCA\x90\x5E\\\x8B\xF3.\x89\xC4.APD"},
      // half-width katakana ｿﾗ.bmp are single bytes
      {"C:\\\xBF\xD7.bmp", "C:\\\xBF\xD7.APD"},
  });
  // Without the lead-byte rule the same bytes read as a separator.
  ExpectNames(kSingleByte, {{"C:\\Pics\\sky.\x95\x5C", "C:\\Pics\\sky.\x95\x5C.APD"}});
}

// Whether a byte is a second byte shows only from the characters before it:
// 0x95 is both a lead byte and a valid second byte, so looking one byte back
// is not enough.
TEST(MaskFileName, CharacterBoundariesAreCountedFromTheStart) {
  ExpectNames(kJapanese, {
      // a.b ヵ \ c: 0x83 0x95 is one character, the "\" after it is real
      {"C:\\a.b\x83\x95\\c", "C:\\a.b\x83\x95\\c.APD"},
      // 封表 (0x95 0x95 0x95 0x5C): the "\" is a second byte
      {"C:\\a.\x95\x95\x95\x5C", "C:\\a.APD"},
      // 封 (0x95 0x95), then a real "\"
      {"C:\\a.\x95\x95\\b", "C:\\a.\x95\x95\\b.APD"},
      // a lead byte with nothing after it
      {"C:\\a.b\x95", "C:\\a.APD"},
  });
}

// "." (0x2E) and ":" (0x3A) lie below every second byte of code page 932
// (0x40 and up), so in real names they are always characters of their own.
TEST(MaskFileName, DotsAndColonsBesideDoubleByteCharacters) {
  ExpectNames(kJapanese, {
      {"C:\\\x95\x5C.bmp", "C:\\\x95\x5C.APD"},
      {"C:\\x.\x95\x5C:\x95\x5C", "C:\\x.\x95\x5C:\x95\x5C.APD"},
      {"C:\\\x83\x5C.\x83\x5C.", "C:\\\x83\x5C.\x83\x5C.APD"},
  });
}

TEST(MaskFileName, PosixPathsEndTheNameOnlyAtSlash) {
  ExpectNames(PathRules::Posix(), {
      {"/data/sky.bmp", "/data/sky.APD"},
      {"/data/v1.2/sky", "/data/v1.2/sky.APD"},
      {"/data/a\\b.c", "/data/a\\b.APD"},
      {"/data/a.b\\c", "/data/a.APD"},
      {"/data/x:y.bmp", "/data/x:y.APD"},
      {"/data/.bmp", "/data/.APD"},
      {"C:\\Pics\\sky", "C:\\Pics\\sky.APD"},
      {"sky", "sky.APD"},
      {"/data/\xE7\xA9\xBA.bmp", "/data/\xE7\xA9\xBA.APD"},  // UTF-8 空.bmp
  });
}

TEST(CodePage932LeadByte, EdgesOfBothRanges) {
  for (const int lead : {0x81, 0x9F, 0xE0, 0xFC}) EXPECT_TRUE(IsCodePage932LeadByte(lead)) << lead;
  // 0xA1-0xDF are half-width katakana, single bytes.
  for (const int single : {0x00, 0x5C, 0x80, 0xA0, 0xA1, 0xDF, 0xFD, 0xFF}) {
    EXPECT_FALSE(IsCodePage932LeadByte(single)) << single;
  }
}

}  // namespace
}  // namespace vm
