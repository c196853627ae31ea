#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "web/charset_names.h"

namespace cw {
namespace {

struct NameCase {
  std::string name;
  std::optional<unsigned> codePage;
};

void PrintTo(const NameCase& c, std::ostream* out) { *out << c.name; }

class CharsetNameCases : public testing::TestWithParam<NameCase> {};

TEST_P(CharsetNameCases, MapsNamesToCodePages) {
  EXPECT_EQ(CodePageForCharset(GetParam().name), GetParam().codePage);
}

INSTANTIATE_TEST_SUITE_P(
    Names, CharsetNameCases,
    testing::Values(
        NameCase{"utf-8", 65001}, NameCase{"UTF-8", 65001}, NameCase{"Utf-8", 65001}, NameCase{"gb2312", 936},
        NameCase{"GB2312", 936}, NameCase{"gbk", 936}, NameCase{"GB18030", 54936}, NameCase{"big5", 950},
        NameCase{"ISO-8859-1", 28591}, NameCase{"windows-1250", 1250}, NameCase{"windows-1251", 1251},
        NameCase{"Windows-1252", 1252}, NameCase{"windows-1253", 1253}, NameCase{"windows-1254", 1254},
        NameCase{"windows-1255", 1255}, NameCase{"windows-1256", 1256}, NameCase{"windows-1257", 1257},
        NameCase{"windows-1258", 1258}, NameCase{"us-ascii", 20127}, NameCase{"Shift_JIS", 932},
        NameCase{"EUC-JP", 20932}, NameCase{"euc-kr", 949}, NameCase{"KOI8-R", 20866},
        NameCase{"unicode", kUtf16LittleEndianCodePage}, NameCase{"UTF-16", kUtf16LittleEndianCodePage},
        NameCase{"utf-16le", kUtf16LittleEndianCodePage}, NameCase{"UTF-16BE", kUtf16BigEndianCodePage},
        // Unknown names, near misses included.
        NameCase{"", std::nullopt}, NameCase{"utf8", std::nullopt}, NameCase{" utf-8", std::nullopt},
        NameCase{"utf-8 ", std::nullopt}, NameCase{"windows-1259", std::nullopt},
        NameCase{"gb2312\x81", std::nullopt}, NameCase{"klingon", std::nullopt}));

}  // namespace
}  // namespace cw
