// The record one page fetch shares between its caller and its worker thread.
//
// Both sides hold it by shared_ptr, so it lives as long as the longer of the two.
// Its content is replaced whole under a guard and never edited in place; a reader
// takes a snapshot and never sees a half-written content.
//
// Once the worker publishes its three WinINet handles they belong to the record,
// which closes them exactly once, in the order request, connection, root: when
// the caller takes the result, or when it abandons the exchange at its time limit
// (on Windows closing them makes a WinINet call blocked in them return; Wine's
// returns when the connection ends). The worker checks for abandonment after
// every WinINet call and then uses the handles no further; nothing it publishes
// after that is stored.
#pragma once

#include <windows.h>
#include <wininet.h>

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

namespace cw {

// A response body that grows past this is treated as a failed fetch.
inline constexpr std::size_t kMaxBodyBytes = 64u * 1024 * 1024;

enum class ExchangeState { request, pending, done };

struct ExchangeContent {
  ExchangeState state = ExchangeState::request;
  // request
  std::string url;
  bool wantHeaders = false;
  // done
  std::string headerText;
  std::string body;
  // pending and done
  HINTERNET request = nullptr;
  HINTERNET connection = nullptr;
  HINTERNET root = nullptr;
};

class FetchExchange {
 public:
  using HandleCloser = std::function<void(HINTERNET)>;

  struct Options {
    HandleCloser closer;  // InternetCloseHandle when empty; tests count closes through it
    std::size_t maxBodyBytes = kMaxBodyBytes;
  };

  FetchExchange(std::string url, bool wantHeaders);
  FetchExchange(std::string url, bool wantHeaders, Options options);
  FetchExchange(const FetchExchange&) = delete;
  FetchExchange& operator=(const FetchExchange&) = delete;

  std::shared_ptr<const ExchangeContent> Content() const;
  std::size_t MaxBodyBytes() const { return maxBodyBytes_; }

  // Worker side. Replaces the content whole and returns true, unless the exchange
  // has been abandoned: then nothing is stored and the handles in `next` are
  // still the worker's to close.
  bool Publish(ExchangeContent next);
  bool Abandoned() const;
  void CloseInternetHandle(HINTERNET handle) const;
  void MarkWorkerEnded();

  // Caller side, once the worker has ended. Closes the published handles (once),
  // ends the exchange and returns its content.
  std::shared_ptr<const ExchangeContent> Finish();
  // Marks the exchange abandoned and closes the published handles (once).
  void Abandon();

  // True once the worker thread has ended, waiting at most `limit` for it.
  bool WaitForWorkerEnd(std::chrono::milliseconds limit) const;

 private:
  void ClosePublishedHandlesLocked();

  const HandleCloser closer_;
  const std::size_t maxBodyBytes_;
  mutable std::mutex guard_;
  mutable std::condition_variable workerEnded_;
  std::shared_ptr<const ExchangeContent> content_;
  bool abandoned_ = false;
  bool handlesClosed_ = false;
  bool workerHasEnded_ = false;
};

}  // namespace cw
