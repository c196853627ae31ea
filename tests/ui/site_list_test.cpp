#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "fake_site_rows.h"
#include "file_lock.h"
#include "temp_folder.h"
#include "ui/file_access.h"
#include "ui/ini_text.h"
#include "ui/site_list.h"

namespace cw {
namespace {

constexpr const char* kFile = "list.ini";

SiteRow Loaded(std::string address, std::string interval) {
  return {std::move(address), std::move(interval), std::string(kNotStartedText),
          std::string(kNotStartedText)};
}

// The main window's two built-in rows, which stay when list.ini is missing.
std::vector<SiteRow> BuiltInRows() {
  return {{"http://builtin.test/a", "33", "未开始", "未开始"}, {"http://builtin.test/b", "34", "x", "y"}};
}

SiteRow Saved(std::string address, std::string interval) {
  return {std::move(address), std::move(interval), "12时3分4秒", "正常"};
}

class SiteListTest : public testing::Test {
 protected:
  test::TempFolder folder_;
};

TEST(SplitAtBars, EveryBarEndsAPiece) {
  struct Case {
    std::string text;
    std::vector<std::string> pieces;
  };
  const Case cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a|30", {"a", "30"}},
      {"a|30|", {"a", "30"}},
      {"|30", {"", "30"}},
      {"a|", {"a"}},
      {"a||30", {"a", "", "30"}},
      {"|", {""}},
      {"||", {"", ""}},
      {"a|b|c", {"a", "b", "c"}},
      // 0x81 0x7C is one double-byte character whose second byte is "|".
      {"\x81|a|30", {"\x81|a", "30"}},
      {"a\x81|", {"a\x81|"}},
      {"网址|３０", {"网址", "３０"}},
      {"a|\x81", {"a", "\x81"}},  // a lone lead byte at the end is a character of its own
  };
  for (const Case& c : cases) EXPECT_EQ(SplitAtBars(c.text), c.pieces) << testing::PrintToString(c.text);
}

TEST_F(SiteListTest, MissingFileWritesTheDefaultListAndKeepsTheRows) {
  EXPECT_EQ(kDefaultSiteListText, "[列表]\r\n1=" + std::string(kFirstDefaultSiteAddress) + "|" +
                                      std::string(kFirstDefaultSiteInterval) +
                                      "\r\n2=" + std::string(kSecondDefaultSiteAddress) + "|" +
                                      std::string(kSecondDefaultSiteInterval));
  test::FakeSiteRows rows(BuiltInRows());
  EXPECT_EQ(LoadSiteList(folder_.Path(), rows), SiteListLoad::ok);
  EXPECT_EQ(rows.rows(), BuiltInRows());
  EXPECT_EQ(folder_.Get(kFile), std::string(kDefaultSiteListText));

  // The next start shows the default entries.
  test::FakeSiteRows next(BuiltInRows());
  EXPECT_EQ(LoadSiteList(folder_.Path(), next), SiteListLoad::ok);
  EXPECT_EQ(next.rows(), (std::vector<SiteRow>{Loaded(std::string(kFirstDefaultSiteAddress), "31"),
                                               Loaded(std::string(kSecondDefaultSiteAddress), "32")}));
  EXPECT_EQ(folder_.Get(kFile), std::string(kDefaultSiteListText));
}

TEST_F(SiteListTest, LoadReplacesTheRowsEntryByEntry) {
  struct Case {
    const char* note;
    std::string file;
    SiteListLoad result;
    std::vector<SiteRow> rows;
  };
  const std::vector<Case> cases = {
      {"two entries",
       "[列表]\r\n1=http://a/|30\r\n2=http://b/|120\r\n",
       SiteListLoad::ok,
       {Loaded("http://a/", "30"), Loaded("http://b/", "120")}},
      {"trailing bar", "[列表]\r\n1=http://a/|30|\r\n", SiteListLoad::ok, {Loaded("http://a/", "30")}},
      {"empty address", "[列表]\r\n1=|30\r\n", SiteListLoad::ok, {Loaded("", "30")}},
      {"single bar and nothing after it",
       "[列表]\r\n1=http://a/|30\r\n2=http://b/|\r\n3=http://c/|1\r\n",
       SiteListLoad::readError,
       {Loaded("http://a/", "30")}},
      {"two bars",
       "[列表]\r\n1=http://a/|30\r\n2=http://b/||30\r\n",
       SiteListLoad::readError,
       {Loaded("http://a/", "30")}},
      {"three pieces first", "[列表]\r\n1=a|b|30\r\n", SiteListLoad::readError, {}},
      {"gap in the numbering",
       "[列表]\r\n1=a|1\r\n2=b|2\r\n4=d|4\r\n",
       SiteListLoad::ok,
       {Loaded("a", "1"), Loaded("b", "2")}},
      {"entry without a bar ends the list",
       "[列表]\r\n1=a|1\r\n2=b\r\n3=c|3\r\n",
       SiteListLoad::ok,
       {Loaded("a", "1")}},
      {"empty entry", "[列表]\r\n1=\r\n", SiteListLoad::ok, {}},
      {"no section", "[其他]\r\n1=a|1\r\n", SiteListLoad::ok, {}},
      {"empty file", "", SiteListLoad::ok, {}},
      {"pieces neither trimmed nor checked",
       "[列表]\r\n1= a |  5秒\r\n2=b|0\r\n3=c|abc\r\n",
       SiteListLoad::ok,
       {Loaded("a ", "  5秒"), Loaded("b", "0"), Loaded("c", "abc")}},
      {"hand-edited layout, any order",
       "\n[ 列表 ]\n 2 = b|2\n1=a|1\n",
       SiteListLoad::ok,
       {Loaded("a", "1"), Loaded("b", "2")}},
      {"first of two lines of a key", "[列表]\r\n1=a|1\r\n1=z|9\r\n", SiteListLoad::ok, {Loaded("a", "1")}},
      {"bar inside a double-byte character",
       "[列表]\r\n1=\x81|x|30\r\n2=\x81|\r\n",
       SiteListLoad::ok,
       {Loaded("\x81|x", "30")}},
      {"Chinese text",
       "[列表]\r\n1=http://例子.测试/页|３０\r\n",
       SiteListLoad::ok,
       {Loaded("http://例子.测试/页", "３０")}},
  };
  for (const Case& c : cases) {
    folder_.Put(kFile, c.file);
    test::FakeSiteRows rows(BuiltInRows());
    EXPECT_EQ(LoadSiteList(folder_.Path(), rows), c.result) << c.note;
    EXPECT_EQ(rows.rows(), c.rows) << c.note;
    EXPECT_EQ(folder_.Get(kFile), c.file) << c.note << ": loading never rewrites an existing file";
  }
}

TEST_F(SiteListTest, SaveWritesOneLinePerRow) {
  folder_.Put(kFile, "[列表]\r\n1=old|1\r\n2=old|2\r\n3=old|3\r\n[其他]\r\nx=y\r\n");
  test::FakeSiteRows rows({Saved("http://a/", "30"), Saved("http://例子/", "１２０"), Saved("", "")});
  SaveSiteList(folder_.Path(), rows);
  EXPECT_EQ(folder_.Get(kFile), "[列表]\r\n1=http://a/|30\r\n2=http://例子/|１２０\r\n3=|\r\n");
  EXPECT_FALSE(folder_.Has("list.ini.new"));
}

TEST_F(SiteListTest, SaveGivesTheBytesOfWritingKeyByKeyIntoAnEmptyFile) {
  test::FakeSiteRows rows({Saved(" blanks ", " 30 "), Saved("a|b", "30"), Saved("line\r\nbreak", "1"),
                           Saved(std::string(kIniValueLimit + 10, 'z'), "5"), Saved("=", "=")});
  std::string keyByKey;
  for (int row = 0; row < rows.RowCount(); ++row) {
    keyByKey = IniWriteValue(keyByKey, "列表", std::to_string(row + 1),
                             rows.CellText(row, kAddressColumn) + "|" + rows.CellText(row, kIntervalColumn));
  }
  SaveSiteList(folder_.Path(), rows);
  EXPECT_EQ(folder_.Get(kFile), keyByKey);
}

TEST_F(SiteListTest, SavedListLoadsBack) {
  std::vector<SiteRow> saved;
  for (int n = 0; n < 5000; ++n) saved.push_back(Saved("http://site" + std::to_string(n) + ".test/", "31"));
  test::FakeSiteRows rows(saved);
  SaveSiteList(folder_.Path(), rows);

  test::FakeSiteRows loaded(BuiltInRows());
  EXPECT_EQ(LoadSiteList(folder_.Path(), loaded), SiteListLoad::ok);
  ASSERT_EQ(loaded.RowCount(), 5000);
  for (int n = 0; n < 5000; ++n) {
    EXPECT_EQ(loaded.rows()[static_cast<std::size_t>(n)],
              Loaded(saved[static_cast<std::size_t>(n)].address, "31"));
  }
}

TEST_F(SiteListTest, AddressWithABarSavesUnchangedAndFailsTheNextLoad) {
  test::FakeSiteRows rows(
      {Saved("http://a/", "31"), Saved("http://b/?x=1|2", "40"), Saved("http://c/", "50")});
  SaveSiteList(folder_.Path(), rows);
  EXPECT_EQ(folder_.Get(kFile), "[列表]\r\n1=http://a/|31\r\n2=http://b/?x=1|2|40\r\n3=http://c/|50\r\n");

  test::FakeSiteRows loaded(BuiltInRows());
  EXPECT_EQ(LoadSiteList(folder_.Path(), loaded), SiteListLoad::readError);
  EXPECT_EQ(loaded.rows(), std::vector<SiteRow>{Loaded("http://a/", "31")});
}

TEST_F(SiteListTest, EmptyListDeletesTheFile) {
  folder_.Put(kFile, "[列表]\r\n1=a|31\r\n");
  test::FakeSiteRows empty;
  SaveSiteList(folder_.Path(), empty);
  EXPECT_FALSE(folder_.Has(kFile));
  SaveSiteList(folder_.Path(), empty);  // nothing to delete: no harm
  EXPECT_FALSE(folder_.Has(kFile));

  // The next start writes the default list and keeps the built-in rows.
  test::FakeSiteRows next(BuiltInRows());
  EXPECT_EQ(LoadSiteList(folder_.Path(), next), SiteListLoad::ok);
  EXPECT_EQ(next.rows(), BuiltInRows());
  EXPECT_EQ(folder_.Get(kFile), std::string(kDefaultSiteListText));
}

TEST_F(SiteListTest, UnusableFolderLeavesEverythingAsItWas) {
  test::FakeSiteRows rows(BuiltInRows());

  std::string missing = folder_.MissingSubfolder();
  EXPECT_EQ(LoadSiteList(missing, rows), SiteListLoad::ok);
  SaveSiteList(missing, rows);
  SaveSiteList(missing, test::FakeSiteRows());
  EXPECT_FALSE(folder_.Has("missing"));
  EXPECT_EQ(rows.rows(), BuiltInRows());

  // A folder in the file's place can be neither read, replaced nor deleted.
  folder_.MakeFolder(kFile);
  EXPECT_EQ(LoadSiteList(folder_.Path(), rows), SiteListLoad::ok);
  SaveSiteList(folder_.Path(), rows);
  SaveSiteList(folder_.Path(), test::FakeSiteRows());
  EXPECT_TRUE(std::filesystem::is_directory(folder_.FsPath(kFile)));
  EXPECT_EQ(rows.rows(), BuiltInRows());
}

TEST_F(SiteListTest, ReadOnlyFolderKeepsTheSavedList) {
  const std::string before = "[列表]\r\n1=a|31\r\n";
  folder_.Put(kFile, before);
  if (!folder_.MakeUnwritable()) GTEST_SKIP() << "folder permissions do not bind this process";
  SaveSiteList(folder_.Path(), test::FakeSiteRows({Saved("b", "32")}));
  EXPECT_EQ(folder_.Get(kFile), before);
  SaveSiteList(folder_.Path(), test::FakeSiteRows());
  EXPECT_EQ(folder_.Get(kFile), before);
}

TEST_F(SiteListTest, LockedFileIsReportedAndKept) {
  const std::string before = "[列表]\r\n1=a|31\r\n";
  folder_.Put(kFile, before);
  {
    test::ExclusiveFileLock lock(FilePathIn(folder_.Path(), kFile));
    if (!lock.held()) GTEST_SKIP() << "no exclusive file locks on this system";
    // Unreadable is not the same as empty: the start-up is told.
    test::FakeSiteRows rows(BuiltInRows());
    EXPECT_EQ(LoadSiteList(folder_.Path(), rows), SiteListLoad::readError);
    EXPECT_EQ(rows.RowCount(), 0);
    SaveSiteList(folder_.Path(), test::FakeSiteRows({Saved("b", "32")}));
    SaveSiteList(folder_.Path(), test::FakeSiteRows());
  }
  EXPECT_EQ(folder_.Get(kFile), before);
}

}  // namespace
}  // namespace cw
