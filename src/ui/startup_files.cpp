#include "ui/startup_files.h"

#include "ui/site_list.h"

namespace cw {

NoticeRequest SiteListReadErrorNotice(int noticeSeconds) {
  NoticeRequest notice;
  notice.title = "数据读取错误";
  notice.text = "列表数据文件 list.ini 数据读取错误，请检查后载导入！";
  notice.caption = "数据读取错误";
  notice.playSound = 1;
  notice.seconds = noticeSeconds;
  return notice;
}

Settings LoadStartupFiles(const std::string& programDirectory, SiteRows& rows, NoticeSink& notices) {
  Settings settings = LoadSettings(programDirectory);
  if (LoadSiteList(programDirectory, rows) == SiteListLoad::readError) {
    notices.ShowNotice(SiteListReadErrorNotice(settings.noticeSeconds));
  }
  return settings;
}

}  // namespace cw
