// The part of start-up that reads the program's two files: the settings, then the
// site list into the rows, reporting a damaged list by a notice.
#pragma once

#include <string>

#include "notify/notice_request.h"
#include "ui/settings.h"
#include "ui/site_rows.h"

namespace cw {

// The notice that reports a list file that could not be read completely.
NoticeRequest SiteListReadErrorNotice(int noticeSeconds);

Settings LoadStartupFiles(const std::string& programDirectory, SiteRows& rows, NoticeSink& notices);

}  // namespace cw
