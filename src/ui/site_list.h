// The site list's file, list.ini in the program's folder: section 列表 with the keys
// "1", "2", ... in list order, each value an address, "|" and an interval text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/site_rows.h"

namespace cw {

// Status and last-time text of a row that has not been read since it was loaded,
// added or edited.
inline constexpr std::string_view kNotStartedText = "未开始";

inline constexpr std::string_view kSiteListFileName = "list.ini";
inline constexpr std::string_view kSiteListSection = "列表";

// The two entries of the default site list, written when list.ini is missing.
inline constexpr std::string_view kFirstDefaultSiteAddress = "http://www.example.com/";
inline constexpr std::string_view kFirstDefaultSiteInterval = "31";
inline constexpr std::string_view kSecondDefaultSiteAddress = "http://www.example.org/";
inline constexpr std::string_view kSecondDefaultSiteInterval = "32";

// Written when list.ini is missing: three lines, no line end after the last one.
inline constexpr std::string_view kDefaultSiteListText =
    "[列表]\r\n1=http://www.example.com/|31\r\n2=http://www.example.org/|32";

enum class SiteListLoad { ok, readError };

// When list.ini is missing: writes the default text, leaves the rows as they are and
// gives ok. Otherwise removes every row and appends one per entry 1, 2, 3, ... (last
// time and status "未开始") until an entry is missing or has no "|" (ok), or does not
// split into exactly two pieces (readError; the rows appended so far stay). A file
// that exists but cannot be read leaves no rows and gives readError.
SiteListLoad LoadSiteList(const std::string& programDirectory, SiteRows& rows);

// Rewrites list.ini from the rows' addresses and intervals: "[列表]" and one
// "n=address|interval" line per row, every line ended by CR LF. The new file replaces
// the old one in one step, so a failed write keeps the old list; an empty list
// deletes the file. Failures are not reported.
void SaveSiteList(const std::string& programDirectory, const SiteRows& rows);

// The pieces of an entry value, scanned by GBK characters: every "|" ends a piece
// (so a leading "|" or two adjacent ones give an empty piece); the text after the
// last "|" is a piece only when it is not empty. The empty text gives no pieces.
std::vector<std::string> SplitAtBars(std::string_view text);

}  // namespace cw
