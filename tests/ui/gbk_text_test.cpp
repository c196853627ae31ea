#include <gtest/gtest.h>

#include "ui/gbk_text.h"

namespace cw {
namespace {

TEST(FindText, StepsOverDoubleByteCharacters) {
  // 0x81 0x7C is one character whose second byte happens to be "|".
  std::string text = "ab\x81|c|d";
  EXPECT_EQ(FindText(text, "|"), 5u);
  EXPECT_EQ(FindText("", "|"), std::string_view::npos);
  EXPECT_EQ(FindText("abc", ""), 0u);
}

TEST(FindText, IgnoreCaseFoldsOnlySingleByteLetters) {
  EXPECT_EQ(FindText("xHTTP://a", "http://", 0, true), 1u);
  // 0x81 0x41 is a double-byte character: its "A" half never matches "a".
  EXPECT_EQ(FindText("\x81\x41", "a", 0, true), std::string_view::npos);
  EXPECT_EQ(AsciiLower("AB\x81\x41Z"), "ab\x81\x41z");
}

TEST(EqualsIgnoreAsciiCase, FoldsOnlySingleByteLetters) {
  EXPECT_TRUE(EqualsIgnoreAsciiCase("Config", "cONFIG"));
  EXPECT_TRUE(EqualsIgnoreAsciiCase("配置", "配置"));
  EXPECT_TRUE(EqualsIgnoreAsciiCase("", ""));
  EXPECT_FALSE(EqualsIgnoreAsciiCase("配置", "配"));
  EXPECT_FALSE(EqualsIgnoreAsciiCase("a", "ab"));
  // 0x81 0x41 and 0x81 0x61 are two different double-byte characters.
  EXPECT_FALSE(EqualsIgnoreAsciiCase("\x81\x41", "\x81\x61"));
  EXPECT_TRUE(EqualsIgnoreAsciiCase("x\x81", "X\x81"));  // lone lead byte at the end
}

TEST(CharLengthAt, LoneLeadByteAtEndIsOneCharacter) {
  EXPECT_EQ(CharLengthAt("a\x81", 1), 1u);
  EXPECT_EQ(CharLengthAt("\xB0\xA1", 0), 2u);
  EXPECT_EQ(CharLengthAt("\x81\x7F", 0), 1u);
  EXPECT_EQ(CharLengthAt("a", 1), 0u);
}

}  // namespace
}  // namespace cw
