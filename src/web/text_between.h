// The text between two markers, as the update page is read. GBK-aware: a marker
// only matches on a character boundary.
#pragma once

#include <string>
#include <string_view>

namespace cw {

// The text after the first startMarker up to the first endMarker after it, all
// searches case-sensitive. An empty endMarker takes the rest of the text; an empty
// startMarker takes the text from its beginning. Empty when a non-empty marker is
// missing.
std::string TextBetween(std::string_view text, std::string_view startMarker, std::string_view endMarker);

}  // namespace cw
