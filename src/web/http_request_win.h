// One HTTP GET over WinINet, run on the worker thread of a page fetch. It reads
// the address from the exchange's request content and leaves the response there.
#pragma once

#include "web/fetch_exchange_win.h"

namespace cw {

// The agent text and the header block every request carries.
inline constexpr const char* kAgentText = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
std::string RequestHeaderBlock(std::string_view url);

// Size of the buffer the raw response header block is read into; a block that
// does not fit leaves it as that many spaces.
inline constexpr std::size_t kHeaderBufferSize = 2048;

// Performs the exchange its request content describes: publishes the three
// handles (pending) before anything is sent, then the body and, when asked, the
// raw header block (done). Does nothing unless the record holds a request.
// A failure while setting up the handles closes those opened and publishes
// nothing; a failure at the network publishes an empty body and, when asked, a
// header text of spaces, as does a body larger than the exchange's limit.
void HttpRequest(FetchExchange& exchange);

}  // namespace cw
