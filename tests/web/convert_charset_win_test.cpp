#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>

#include "web/convert_charset_win.h"

namespace cw {
namespace {

// UTF-8 bytes spelled out, whatever the narrow literal charset is.
std::string Utf8(std::u8string_view text) { return std::string(text.begin(), text.end()); }

struct ConversionCase {
  std::string name;
  std::string data;
  std::string from;
  std::string to;
  std::optional<std::size_t> startPosition;
  std::string expected;
};

void PrintTo(const ConversionCase& c, std::ostream* out) { *out << c.name; }

class Conversions : public testing::TestWithParam<ConversionCase> {};

TEST_P(Conversions, ReEncodeTheText) {
  const ConversionCase& c = GetParam();
  EXPECT_EQ(ConvertCharset(c.data, c.from, c.to, c.startPosition), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Charsets, Conversions,
    testing::Values(
        // "中文版本" in GB2312 is D6 D0 CE C4 B0 E6 B1 BE.
        ConversionCase{"Utf8ChineseToGb2312", Utf8(u8"中文版本"), "utf-8", "gb2312", std::nullopt,
                       "\xD6\xD0\xCE\xC4\xB0\xE6\xB1\xBE"},
        ConversionCase{"MixedTextKeepsItsAscii", Utf8(u8"[版本]1.2\r\n"), "utf-8", "gb2312", std::nullopt,
                       "[\xB0\xE6\xB1\xBE]1.2\r\n"},
        ConversionCase{"AsciiUnchanged", "plain ASCII <div> 123\r\n", "utf-8", "gb2312", std::nullopt,
                       "plain ASCII <div> 123\r\n"},
        ConversionCase{"EmptyGivesEmpty", "", "utf-8", "gb2312", std::nullopt, ""},
        ConversionCase{"NamesIgnoreCase", Utf8(u8"中"), "UTF-8", "GB2312", std::nullopt, "\xD6\xD0"},
        ConversionCase{"ByteOrderMarkIsNotText", Utf8(u8"\uFEFF中"), "utf-8", "gbk", std::nullopt,
                       "\xD6\xD0"},
        ConversionCase{"Gb2312ToUtf8", "\xD6\xD0\xCE\xC4", "gb2312", "utf-8", std::nullopt, Utf8(u8"中文")},
        ConversionCase{"Big5", Utf8(u8"中文"), "utf-8", "big5", std::nullopt, "\xA4\xA4\xA4\xE5"},
        ConversionCase{"Latin1", "caf\xE9", "iso-8859-1", "utf-8", std::nullopt, Utf8(u8"café")},
        ConversionCase{"Windows1251", Utf8(u8"Да"), "utf-8", "windows-1251", std::nullopt, "\xC4\xE0"},
        ConversionCase{"Koi8r", "\xE4\xC1", "koi8-r", "utf-8", std::nullopt, Utf8(u8"Да")},
        ConversionCase{"ShiftJis", Utf8(u8"日本"), "utf-8", "shift_jis", std::nullopt, "\x93\xFA\x96\x7B"},
        ConversionCase{"EucKr", Utf8(u8"한"), "utf-8", "euc-kr", std::nullopt, "\xC7\xD1"},
        ConversionCase{"Utf16LittleEndian", Utf8(u8"中a"), "utf-8", "utf-16le", std::nullopt,
                       std::string("\x2D\x4E\x61\x00", 4)},
        ConversionCase{"Utf16BigEndian", Utf8(u8"中a"), "utf-8", "utf-16be", std::nullopt,
                       std::string("\x4E\x2D\x00\x61", 4)},
        ConversionCase{"UnicodeWithMarkToGbk", std::string("\xFF\xFE\x2D\x4E", 4), "unicode", "gbk",
                       std::nullopt, "\xD6\xD0"},
        ConversionCase{"Utf16BigEndianMarkIsHonoured", std::string("\xFE\xFF\x4E\x2D", 4), "utf-16", "gbk",
                       std::nullopt, "\xD6\xD0"},
        // The start position cuts the re-encoded bytes, not the source.
        ConversionCase{"StartPositionCutsTheResult", Utf8(u8"中文ab"), "utf-8", "gb2312", 2,
                       "\xCE\xC4"
                       "ab"},
        ConversionCase{"StartPositionZero", Utf8(u8"中"), "utf-8", "gb2312", 0, "\xD6\xD0"},
        ConversionCase{"StartPositionAtTheEnd", Utf8(u8"中"), "utf-8", "gb2312", 2, ""},
        ConversionCase{"StartPositionBeyondTheEnd", Utf8(u8"中"), "utf-8", "gb2312", 99, ""},
        // Unknown names give the empty result.
        ConversionCase{"UnknownSource", "abc", "no-such-charset", "gb2312", std::nullopt, ""},
        ConversionCase{"UnknownTarget", "abc", "utf-8", "no-such-charset", std::nullopt, ""},
        // A character the target lacks becomes the replacement character.
        ConversionCase{"UnmappableCharacter", Utf8(u8"a€b"), "utf-8", "iso-8859-1", std::nullopt, "a?b"}),
    [](const testing::TestParamInfo<ConversionCase>& info) { return info.param.name; });

TEST(ConvertCharset, Gb18030RoundTripsCharactersOutsideGbk) {
  if (!IsValidCodePage(54936)) GTEST_SKIP() << "this system has no GB18030 code page";
  // U+00E9 is four bytes in GB18030: 81 30 87 37.
  std::string gb18030 = ConvertCharset(Utf8(u8"é中"), "utf-8", "gb18030");
  EXPECT_EQ(gb18030, "\x81\x30\x87\x37\xD6\xD0");
  EXPECT_EQ(ConvertCharset(gb18030, "gb18030", "utf-8"), Utf8(u8"é中"));
}

TEST(ConvertCharset, EveryNamedCharsetIsUsable) {
  // ASCII text means the same in all of them except UTF-16.
  for (const char* name :
       {"utf-8", "gb2312", "gbk", "big5", "iso-8859-1", "windows-1250", "windows-1251", "windows-1252",
        "windows-1253", "windows-1254", "windows-1255", "windows-1256", "windows-1257", "windows-1258",
        "us-ascii", "shift_jis", "euc-jp", "euc-kr", "koi8-r"}) {
    EXPECT_EQ(ConvertCharset("Version 1.1", "utf-8", name), "Version 1.1") << name;
    EXPECT_EQ(ConvertCharset("Version 1.1", name, "utf-8"), "Version 1.1") << name;
  }
}

}  // namespace
}  // namespace cw
