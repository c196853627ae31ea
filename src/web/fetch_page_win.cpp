#include "web/fetch_page_win.h"

#include <algorithm>

#include "ui/unique_handle_win.h"
#include "web/http_request_win.h"

namespace cw {
namespace {

using WorkerParameter = std::shared_ptr<FetchExchange>;

// Runs the request and owns the worker's share of the exchange. Nothing thrown
// leaves the thread: a worker that fails this way simply ends without a result.
DWORD WINAPI FetchWorkerEntry(void* parameter) {
  std::unique_ptr<WorkerParameter> exchange(static_cast<WorkerParameter*>(parameter));
  try {
    HttpRequest(**exchange);
  } catch (...) {
  }
  try {
    (*exchange)->MarkWorkerEnded();
  } catch (...) {
  }
  return 0;
}

DWORD WaitMilliseconds(std::chrono::milliseconds limit) {
  constexpr long long kLongestFiniteWait = INFINITE - 1;
  return static_cast<DWORD>(std::clamp<long long>(limit.count(), 0, kLongestFiniteWait));
}

}  // namespace

std::string RunFetchExchange(const std::shared_ptr<FetchExchange>& exchange, std::string* headersOut,
                             std::chrono::milliseconds timeLimit) {
  auto parameter = std::make_unique<WorkerParameter>(exchange);
  DWORD threadId = 0;
  UniqueHandle thread(CreateThread(nullptr, 0, FetchWorkerEntry, parameter.get(), 0, &threadId));
  DWORD wait = WAIT_FAILED;
  if (thread) {
    parameter.release();  // the worker owns it now
    wait = WaitForSingleObject(thread.Get(), WaitMilliseconds(timeLimit));
  }
  if (wait != WAIT_OBJECT_0) {
    // Closing the published handles releases a worker blocked in WinINet; it
    // ends on its own against its share of the exchange, and is never killed.
    exchange->Abandon();
    return {};
  }
  std::shared_ptr<const ExchangeContent> content = exchange->Finish();
  if (content->state != ExchangeState::done) return {};
  if (headersOut != nullptr) *headersOut = content->headerText;
  return content->body;
}

std::string FetchPage(const std::string& url, std::string* headersOut, std::chrono::milliseconds timeLimit) {
  return RunFetchExchange(std::make_shared<FetchExchange>(url, headersOut != nullptr), headersOut, timeLimit);
}

std::string FetchPage(const std::string& url, std::string* headersOut) {
  return FetchPage(url, headersOut, kFetchTimeLimit);
}

}  // namespace cw
