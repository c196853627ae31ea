// Re-encoding text from one charset to another through the system's code pages.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace cw {

// The text of `data`, decoded under fromCharset, encoded under toCharset. A byte
// order mark at the start of the data is not text and is dropped. With
// startPosition the result is the re-encoded bytes from that offset on. An
// unknown charset name or a failed conversion gives the empty result; characters
// the target charset lacks come out as the system's replacement character.
std::string ConvertCharset(std::string_view data, std::string_view fromCharset, std::string_view toCharset,
                           std::optional<std::size_t> startPosition = std::nullopt);

}  // namespace cw
