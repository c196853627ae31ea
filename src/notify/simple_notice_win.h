// Notices shown as a small plain window in the bottom-right corner of the work
// area, titled with the notice's title, that closes itself after its display time.
#pragma once

#include <memory>

#include "notify/notice_request.h"

namespace cw {

class SimpleNoticeSink : public NoticeSink {
 public:
  SimpleNoticeSink();
  ~SimpleNoticeSink() override;
  void ShowNotice(const NoticeRequest& request) override;

 private:
  class NoticeWindow;
  std::unique_ptr<NoticeWindow> window_;
};

}  // namespace cw
