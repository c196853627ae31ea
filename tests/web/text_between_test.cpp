#include <gtest/gtest.h>

#include <string>

#include "web/text_between.h"

namespace cw {
namespace {

struct BetweenCase {
  std::string text;
  std::string startMarker;
  std::string endMarker;
  std::string expected;
};

void PrintTo(const BetweenCase& c, std::ostream* out) {
  *out << '"' << c.text << "\" [" << c.startMarker << "] [" << c.endMarker << ']';
}

class TextBetweenCases : public testing::TestWithParam<BetweenCase> {};

TEST_P(TextBetweenCases, TakesTheTextBetweenFirstOccurrences) {
  const BetweenCase& c = GetParam();
  EXPECT_EQ(TextBetween(c.text, c.startMarker, c.endMarker), c.expected);
}

// Narrow literals are GBK bytes, as the update page's text is once converted.
#define VERSION_MARK "[版本]"
#define LOG_MARK "[日志]"

INSTANTIATE_TEST_SUITE_P(
    Markers, TextBetweenCases,
    testing::Values(
        // The same marker on both sides: what stands between its first two occurrences.
        BetweenCase{"x" VERSION_MARK "1.2" VERSION_MARK "y" VERSION_MARK "z", VERSION_MARK, VERSION_MARK,
                    "1.2"},
        BetweenCase{VERSION_MARK "1.2" VERSION_MARK LOG_MARK "fixes" LOG_MARK, LOG_MARK, LOG_MARK, "fixes"},
        BetweenCase{"no markers here", VERSION_MARK, VERSION_MARK, ""},
        // Start found, end missing after it (even when it occurs before the start).
        BetweenCase{"]end[ start[abc", "start[", "]end[", ""}, BetweenCase{"a<b>c<b>d", "<b>", "<b>", "c"},
        BetweenCase{"a<b><b>d", "<b>", "<b>", ""},
        // An empty end marker takes the rest; an empty start marker the beginning.
        BetweenCase{"head:tail:more", "head:", "", "tail:more"}, BetweenCase{"tail only", "head:", "", ""},
        BetweenCase{"before|after|again", "", "|", "before"}, BetweenCase{"before and after", "", "|", ""},
        BetweenCase{"whole", "", "", "whole"}, BetweenCase{"", "", "", ""},
        // Case-sensitive.
        BetweenCase{"<A>x</A><a>y</a>", "<a>", "</a>", "y"},
        // A marker never matches on the second byte of a double-byte character:
        // 0x81 0x7C is one character ending in "|".
        BetweenCase{"a\x81|b|c|", "|", "|", "c"}, BetweenCase{"\xB0\xE6|x|", "\xE6|", "|", ""},
        BetweenCase{"版本号：1.1。", "版本号：", "。", "1.1"}));

}  // namespace
}  // namespace cw
