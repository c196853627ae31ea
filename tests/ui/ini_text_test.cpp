#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "ui/gbk_text.h"
#include "ui/ini_text.h"

namespace cw {
namespace {

using namespace std::string_literals;

struct ReadCase {
  const char* note;
  std::string file;
  std::string section;
  std::string key;
  std::string expected;
};

constexpr const char* kDefault = "<default>";

void ExpectReads(const std::vector<ReadCase>& cases) {
  for (const ReadCase& c : cases) {
    EXPECT_EQ(IniReadValue(c.file, c.section, c.key, kDefault), c.expected) << c.note;
  }
}

TEST(IniReadValue, FindsSectionAndKeyWhateverBlanksSurroundThem) {
  ExpectReads({
      {"plain", "[配置]\r\n自动更新=1\r\n", "配置", "自动更新", "1"},
      {"blanks everywhere", "  [ 配置 ]  \r\n   自动更新   =   2   \r\n", "配置", "自动更新", "2"},
      {"tabs", "\t[\t配置\t]\r\n\t自动更新\t=\t3\t\r\n", "配置", "自动更新", "3"},
      {"text after the bracket", "[配置] note\r\nk=4\r\n", "配置", "k", "4"},
      {"later section", "[a]\r\nk=1\r\n[b]\r\nk=2\r\n", "b", "k", "2"},
      {"ASCII case ignored", "[Main]\r\nKey=v\r\n", "mAIN", "kEY", "v"},
      {"inner blanks of a value kept", "[s]\r\nk= a  b \r\n", "s", "k", "a  b"},
      {"value holds =", "[s]\r\nk==a=b\r\n", "s", "k", "=a=b"},
      {"first of two keys", "[s]\r\nk=1\r\nk=2\r\n", "s", "k", "1"},
      {"key names with blanks inside", "[s]\r\na b=1\r\n", "s", "a b", "1"},
  });
}

TEST(IniReadValue, EmptyValueIsNotTheDefault) {
  ExpectReads({
      {"nothing after =", "[s]\r\nk=\r\n", "s", "k", ""},
      {"blanks after =", "[s]\r\nk=  \t \r\n", "s", "k", ""},
      {"at the end of the file", "[s]\r\nk=", "s", "k", ""},
  });
}

TEST(IniReadValue, AbsentSectionOrKeyGivesTheDefault) {
  ExpectReads({
      {"empty file", "", "s", "k", kDefault},
      {"no such section", "[a]\r\nk=1\r\n", "s", "k", kDefault},
      {"no such key", "[s]\r\nj=1\r\n", "s", "k", kDefault},
      {"key in another section", "[s]\r\n[t]\r\nk=1\r\n", "s", "k", kDefault},
      {"key before any section", "k=1\r\n[s]\r\n", "s", "k", kDefault},
      {"line without =", "[s]\r\nk\r\n", "s", "k", kDefault},
      {"key only a prefix", "[s]\r\nkey=1\r\n", "s", "k", kDefault},
      {"section only a prefix", "[section]\r\nk=1\r\n", "s", "k", kDefault},
      // Only the first section of a name counts; writing adds to that one as well.
      {"second section of a name", "[s]\r\na=1\r\n[s]\r\nk=2\r\n", "s", "k", kDefault},
  });
  EXPECT_EQ(IniReadValue("", "s", "k", ""), "");
}

TEST(IniReadValue, LineEnds) {
  ExpectReads({
      {"LF only", "[s]\nj=1\nk=2\n", "s", "k", "2"},
      {"CR only", "[s]\rj=1\rk=2\r", "s", "k", "2"},
      {"mixed", "[s]\r\nj=1\rk=2\nl=3", "s", "l", "3"},
      {"CR does not belong to the value", "[s]\rk=2\r\rj=1", "s", "k", "2"},
      {"last line without line end", "[s]\r\nk=5", "s", "k", "5"},
      {"LF CR is two line ends", "[s]\n\rk=6\n\r", "s", "k", "6"},
  });
}

TEST(IniReadValue, DamagedLines) {
  ExpectReads({
      {"unterminated header is no section", "[配置\r\nk=1\r\n", "配置", "k", kDefault},
      {"unterminated header does not end a section", "[s]\r\n[配置\r\nk=1\r\n", "s", "k", "1"},
      {"unterminated header is no key either", "[s]\r\n[k=1\r\n", "s", "[k", kDefault},
      // 0x81 0x5D is one double-byte character whose second byte is "]".
      {"] inside a double-byte character", "[\x81]\r\nk=1\r\n", "\x81", "k", kDefault},
      {"closing ] after it", "[\x81]]\r\nk=1\r\n", "\x81]", "k", "1"},
      {"double-byte halves never fold", "[\x81\x61]\r\nk=1\r\n", "\x81\x41", "k", kDefault},
      {"NUL bytes are ordinary text", "[s]\r\n\0\0\r\nk=a\0b\r\n"s, "s", "k", "a\0b"s},
      {"lone lead byte ends a value", "[s]\r\nk=abc\x81\r\n", "s", "k", "abc\x81"},
      {"lone lead byte at the end of the file", "[s]\r\nk=abc\x81", "s", "k", "abc\x81"},
      {"lone lead byte before blanks", "[s]\r\nk=abc\x81  \r\n", "s", "k", "abc\x81"},
      {"binary garbage around", "\xFF\xFE\x01[\r\n]]]\r\n[s]\r\n\x80\x80=\x90\r\nk=1\r\n\xFF", "s", "k", "1"},
  });
}

TEST(IniReadValue, ValuesAreCutAtTheLimitOnACharacterBoundary) {
  const std::string exact(kIniValueLimit, 'a');
  EXPECT_EQ(IniReadValue("[s]\r\nk=" + exact + "\r\n", "s", "k", ""), exact);
  EXPECT_EQ(IniReadValue("[s]\r\nk=" + exact + "bc\r\n", "s", "k", ""), exact);
  // A double-byte character that would end one byte past the limit is left out whole.
  std::string straddling(kIniValueLimit - 1, 'a');
  EXPECT_EQ(IniReadValue("[s]\r\nk=" + straddling + "啊啊\r\n", "s", "k", ""), straddling);
  // The default is limited the same way.
  EXPECT_EQ(IniReadValue("", "s", "k", exact + "x"), exact);
}

TEST(IniReadValue, HugeLinesAndManyLines) {
  std::string huge(1 << 20, 'x');
  std::string file = "[s]\r\nk=" + huge + "\r\nj=2\r\n[" + huge + "\r\nm=3";
  EXPECT_EQ(IniReadValue(file, "s", "j", ""), "2");
  EXPECT_EQ(IniReadValue(file, "s", "k", "").size(), kIniValueLimit);
  EXPECT_EQ(IniReadValue(file, "s", "m", ""), "3");  // after an unterminated 1 MiB header

  std::string many = "[s]\r\n";
  for (int n = 0; n < 100000; ++n) many += "key" + std::to_string(n) + "=" + std::to_string(n) + "\r\n";
  EXPECT_EQ(IniReadValue(many, "s", "key99999", ""), "99999");
}

struct WriteCase {
  const char* note;
  std::string file;
  std::string section;
  std::string key;
  std::string value;
  std::string expected;
};

void ExpectWrites(const std::vector<WriteCase>& cases) {
  for (const WriteCase& c : cases) {
    EXPECT_EQ(IniWriteValue(c.file, c.section, c.key, c.value), c.expected) << c.note;
  }
}

TEST(IniWriteValue, ExistingKeyKeepsItsLine) {
  ExpectWrites({
      {"plain", "[配置]\r\n自动更新=1\r\n弹窗关闭时间=3\r\n", "配置", "自动更新", "0",
       "[配置]\r\n自动更新=0\r\n弹窗关闭时间=3\r\n"},
      {"indentation and key spelling kept", "[S]\r\n  Key  =  1  \r\n", "s", "key", "2",
       "[S]\r\n  Key  =2\r\n"},
      {"empty value filled", "[s]\r\nk=\r\nj=1\r\n", "s", "k", "5", "[s]\r\nk=5\r\nj=1\r\n"},
      {"emptied", "[s]\r\nk=5\r\n", "s", "k", "", "[s]\r\nk=\r\n"},
      {"last line stays without line end", "[s]\r\nk=1", "s", "k", "2", "[s]\r\nk=2"},
      {"LF line end kept", "[s]\nk=1\nj=1\n", "s", "k", "2", "[s]\nk=2\nj=1\n"},
      {"CR line end kept", "[s]\rk=1\rj=1", "s", "k", "2", "[s]\rk=2\rj=1"},
      {"only the first of two keys", "[s]\r\nk=1\r\nk=1\r\n", "s", "k", "2", "[s]\r\nk=2\r\nk=1\r\n"},
      {"longer value", "[s]\r\nk=1\r\nj=1\r\n", "s", "k", "http://a/|30", "[s]\r\nk=http://a/|30\r\nj=1\r\n"},
  });
}

TEST(IniWriteValue, MissingKeyGoesToTheEndOfItsSection) {
  ExpectWrites({
      {"before the next section, after the last non-blank line", "[a]\r\nx=1\r\n\r\n[b]\r\ny=2\r\n", "a", "k",
       "3", "[a]\r\nx=1\r\nk=3\r\n\r\n[b]\r\ny=2\r\n"},
      {"section at the end", "[a]\r\nx=1\r\n", "a", "k", "3", "[a]\r\nx=1\r\nk=3\r\n"},
      {"last line without line end", "[a]\r\nx=1", "a", "k", "3", "[a]\r\nx=1\r\nk=3\r\n"},
      {"header alone without line end", "[a]", "a", "k", "3", "[a]\r\nk=3\r\n"},
      {"header alone", "[a]\r\n", "a", "k", "3", "[a]\r\nk=3\r\n"},
      {"CR-only file", "[a]\rx=1\r", "a", "k", "3", "[a]\rx=1\rk=3\r\n"},
      {"LF-only file", "[a]\nx=1\n\n", "a", "k", "3", "[a]\nx=1\nk=3\r\n\n"},
      {"other lines of the section count", "[a]\r\nx=1\r\n\0\xFF\r\n"s, "a", "k", "3",
       "[a]\r\nx=1\r\n\0\xFF\r\nk=3\r\n"s},
      {"first section of a name", "[a]\r\nx=1\r\n[a]\r\nk=1\r\n", "a", "k", "3",
       "[a]\r\nx=1\r\nk=3\r\n[a]\r\nk=1\r\n"},
      {"keys before any section are no part of it", "k=1\r\n[a]\r\n", "a", "k", "3", "k=1\r\n[a]\r\nk=3\r\n"},
  });
}

TEST(IniWriteValue, MissingSectionGoesToTheEndOfTheFile) {
  ExpectWrites({
      {"empty file", "", "b", "k", "3", "[b]\r\nk=3\r\n"},
      {"after a line end", "[a]\r\nx=1\r\n", "b", "k", "3", "[a]\r\nx=1\r\n[b]\r\nk=3\r\n"},
      {"line break inserted first", "[a]\r\nx=1", "b", "k", "3", "[a]\r\nx=1\r\n[b]\r\nk=3\r\n"},
      {"after an LF", "x\n", "b", "k", "3", "x\n[b]\r\nk=3\r\n"},
      {"unterminated header is no section", "[配置\r\n", "配置", "k", "3", "[配置\r\n[配置]\r\nk=3\r\n"},
      {"binary garbage kept", "\xFF\0\x81"s, "b", "k", "3", "\xFF\0\x81\r\n[b]\r\nk=3\r\n"s},
  });
}

TEST(IniWriteValue, LineBreaksInNamesAndValuesBecomeBlanks) {
  ExpectWrites({
      {"value of an existing key", "[s]\r\nk=1\r\nj=1\r\n", "s", "k", "a\r\n[x]\nb\r",
       "[s]\r\nk=a  [x] b \r\nj=1\r\n"},
      {"new key", "[s]\r\n", "s", "k\n", "1\r2", "[s]\r\nk =1 2\r\n"},
      {"new section", "", "s\r\n", "k", "1", "[s  ]\r\nk=1\r\n"},
  });
}

TEST(IniWriteValue, HugeLineStaysByteForByte) {
  std::string huge(1 << 20, '\x81');
  std::string file = "[s]\r\nbig=" + huge + "\r\nk=1\r\n";
  std::string written = IniWriteValue(file, "s", "k", "2");
  EXPECT_EQ(written, "[s]\r\nbig=" + huge + "\r\nk=2\r\n");
  EXPECT_EQ(IniWriteValue(file, "s", "new", "2"), file + "new=2\r\n");
}

// Random files built from the bytes that matter to the parser: whatever the file,
// a write is read back, touches no other key and only the key's own value.
TEST(IniWriteValue, RandomFilesKeepEveryOtherKey) {
  const std::vector<std::string> pieces = {"[",    "]",        "=",     " ",   "\t",   "\r", "\n",
                                           "\r\n", "s",        "S",     "k",   "K",    "j",  "t",
                                           "\x81", "\xB0\xA1", "\x81]", "\0"s, "\xFF", "x"};
  const std::vector<std::pair<std::string, std::string>> probes = {{"s", "k"}, {"s", "j"}, {"t", "k"},
                                                                   {"t", "j"}, {"S", "x"}, {"", "k"}};
  std::mt19937 random(12345);
  for (int round = 0; round < 3000; ++round) {
    std::string file;
    int length = static_cast<int>(random() % 40);
    for (int i = 0; i < length; ++i) file += pieces[random() % pieces.size()];
    const auto& [section, key] = probes[random() % probes.size()];
    SCOPED_TRACE(testing::PrintToString(file) + " " + section + "." + key);

    std::string written = IniWriteValue(file, section, key, "v1");
    EXPECT_EQ(IniReadValue(written, section, key, ""), "v1");
    EXPECT_EQ(IniWriteValue(written, section, key, "v2"), IniWriteValue(file, section, key, "v2"));
    for (const auto& [otherSection, otherKey] : probes) {
      if (EqualsIgnoreAsciiCase(otherSection, section) && otherKey == key) continue;
      EXPECT_EQ(IniReadValue(written, otherSection, otherKey, "-"),
                IniReadValue(file, otherSection, otherKey, "-"))
          << otherSection << "." << otherKey;
    }
  }
}

TEST(IniReadSection, EveryKeyLineOfTheFirstSectionAsReadSeesIt) {
  std::string file =
      "k=0\r\n[s]\r\n a = 1 \r\nnot a key\r\n[s\r\nb=\r\na=3\r\nc=" + std::string(kIniValueLimit + 5, 'c') +
      "\r\n[t]\r\nd=4\r\n[s]\r\ne=5\r\n";
  std::vector<IniEntry> entries = IniReadSection(file, "S");
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[0].key, "a");
  EXPECT_EQ(entries[0].value, "1");
  EXPECT_EQ(entries[1].key, "b");
  EXPECT_EQ(entries[1].value, "");
  EXPECT_EQ(entries[2].key, "a");
  EXPECT_EQ(entries[2].value, "3");
  EXPECT_EQ(entries[3].key, "c");
  EXPECT_EQ(entries[3].value, IniReadValue(file, "s", "c", ""));
  EXPECT_TRUE(IniReadSection(file, "none").empty());
  EXPECT_TRUE(IniReadSection("", "s").empty());
}

TEST(IniComposeSection, SameBytesAsWritingEachKeyIntoAnEmptyFile) {
  std::vector<IniEntry> entries = {{"1", "http://a/|30"},
                                   {"2", " blanks |40 "},
                                   {"3", "line\r\nbreak|5"},
                                   {"4", ""},
                                   {"5", std::string(kIniValueLimit + 100, 'z')},
                                   {"6", "甲|乙"}};
  std::string byWrites;
  for (const IniEntry& entry : entries) byWrites = IniWriteValue(byWrites, "列表", entry.key, entry.value);
  EXPECT_EQ(IniComposeSection("列表", entries), byWrites);
  EXPECT_EQ(IniComposeSection("列表", {{"1", "a|1"}}), "[列表]\r\n1=a|1\r\n");
  EXPECT_EQ(IniComposeSection("列表", {}), "");
}

}  // namespace
}  // namespace cw
