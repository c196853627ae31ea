// Reading a web page on a worker thread with a time limit. Failures of every
// kind arrive as an empty body.
#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "web/fetch_exchange_win.h"

namespace cw {

inline constexpr std::chrono::milliseconds kFetchTimeLimit{90 * 1000};

// The response body, exactly as received. When headersOut is given the raw header
// block is asked for and stored there (status line first; 2048 spaces when no
// block could be read). When no result is taken (time limit reached, or the
// request could not be set up) the body is empty and headersOut keeps its value.
// Blocks the calling thread, without processing window messages, for at most
// the time limit.
std::string FetchPage(const std::string& url, std::string* headersOut = nullptr);
std::string FetchPage(const std::string& url, std::string* headersOut, std::chrono::milliseconds timeLimit);

// The same for an exchange the caller prepared (a handle closer or a body limit
// of its own); whether headers are asked for is the exchange's.
std::string RunFetchExchange(const std::shared_ptr<FetchExchange>& exchange, std::string* headersOut,
                             std::chrono::milliseconds timeLimit);

}  // namespace cw
