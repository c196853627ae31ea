#include "web/text_between.h"

#include "ui/gbk_text.h"

namespace cw {

std::string TextBetween(std::string_view text, std::string_view startMarker, std::string_view endMarker) {
  std::size_t start = FindText(text, startMarker);
  if (start == std::string_view::npos) return {};
  std::string_view rest = text.substr(start + startMarker.size());
  if (endMarker.empty()) return std::string(rest);
  std::size_t end = FindText(rest, endMarker);
  if (end == std::string_view::npos) return {};
  return std::string(rest.substr(0, end));
}

}  // namespace cw
