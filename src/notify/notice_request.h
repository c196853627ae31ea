// What a notice shows: the arguments of one ShowNotice call, and the seam through
// which the program's logic asks for a notice.
#pragma once

#include <cstdint>
#include <string>

namespace cw {

struct NoticeRequest {
  std::string title;
  std::string text;
  std::string icon;  // bytes of an icon file; empty: the built-in icon
  std::string caption;
  std::string url;             // the page a click opens; may be empty
  std::int32_t playSound = 0;  // exactly 1: play `sound` when the notice appears
  std::string sound;           // RIFF/WAVE bytes; empty: the built-in sound
  std::int32_t seconds = 0;
};

class NoticeSink {
 public:
  virtual ~NoticeSink() = default;
  virtual void ShowNotice(const NoticeRequest& request) = 0;
};

}  // namespace cw
