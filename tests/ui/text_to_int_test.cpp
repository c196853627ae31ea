#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "ui/text_to_int.h"

namespace cw {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

struct Case {
  std::string text;
  std::int32_t expected;
};

TEST(TextToInt, LeadingDecimalIntegerElseZero) {
  const Case cases[] = {
      {"45秒", 45}, {"abc", 0},  {"", 0},     {" 60", 60},       {"007", 7},   {"12 34", 12},
      {"3.9", 3},   {"0x1F", 0}, {"秒45", 0}, {"\t\r\n 42", 42}, {"\v\f8", 8}, {" \t", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(TextToInt(c.text), c.expected) << testing::PrintToString(c.text);
}

TEST(TextToInt, Signs) {
  const Case cases[] = {
      {"-15", -15}, {"+15", 15}, {"  -0", 0}, {"- 5", 0}, {"+-5", 0},    {"--5", 0},
      {"-", 0},     {"+", 0},    {"-abc", 0}, {"5-3", 5}, {" -7秒", -7},
  };
  for (const Case& c : cases) EXPECT_EQ(TextToInt(c.text), c.expected) << testing::PrintToString(c.text);
}

TEST(TextToInt, FullWidthFormsFoldToAscii) {
  const Case cases[] = {
      {"３０", 30},
      {"　３０", 30},  // ideographic space before full-width digits
      {"　　 ３０秒", 30},
      {"１2３", 123},   // full-width and ASCII digits mixed
      {"－１５", -15},  // full-width minus
      {"＋７", 7},
      {"-３", -3},
      {"３　０", 3},  // the ideographic space ends the number like a blank
      {"\xA3\xA0"
       "5",
       0},  // 0xA3 0xA0 lies outside the full-width range
      {"\xA1\xA2"
       "5",
       0},           // another symbol with the ideographic space's lead byte
      {"5\xA3", 5},  // a lone lead byte at the end is read no further
      {"\xA3", 0},
      {"\xA1", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(TextToInt(c.text), c.expected) << testing::PrintToString(c.text);
}

TEST(TextToInt, OutOfRangeSaturates) {
  const Case cases[] = {
      {"2147483647", kMax},
      {"2147483648", kMax},
      {"-2147483648", kMin},
      {"-2147483649", kMin},
      {"4294967297", kMax},  // would wrap to 1
      {"99999999999999999999999999999999", kMax},
      {"-99999999999999999999999999999999", kMin},
      {"２１４７４８３６４８", kMax},
      {"00000000000000000000000000012", 12},
  };
  for (const Case& c : cases) EXPECT_EQ(TextToInt(c.text), c.expected) << testing::PrintToString(c.text);
}

TEST(TextToInt, DecimalTextOfEveryFieldValueReadsBack) {
  for (std::int32_t value : {0, 1, -1, 3, 20, 31, 2999999, kMax, kMin, kMin + 1}) {
    EXPECT_EQ(TextToInt(std::to_string(value)), value);
  }
}

}  // namespace
}  // namespace cw
