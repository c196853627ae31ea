// Counts the WinINet handle closes of an exchange: a closer that records each
// handle, and what kind of handle it was, before closing it.
#pragma once

#include <memory>
#include <mutex>
#include <vector>

#include "web/fetch_exchange_win.h"

namespace cw::test {

// Handle kinds as WinINet reports them.
enum class HandleKind { root, connection, request, other };

inline HandleKind KindOf(HINTERNET handle) {
  DWORD type = 0;
  DWORD size = sizeof(type);
  if (!InternetQueryOptionA(handle, INTERNET_OPTION_HANDLE_TYPE, &type, &size)) return HandleKind::other;
  switch (type) {
    case INTERNET_HANDLE_TYPE_INTERNET:
      return HandleKind::root;
    case INTERNET_HANDLE_TYPE_CONNECT_HTTP:
      return HandleKind::connection;
    case INTERNET_HANDLE_TYPE_HTTP_REQUEST:
      return HandleKind::request;
    default:
      return HandleKind::other;
  }
}

class CloseLog : public std::enable_shared_from_this<CloseLog> {
 public:
  FetchExchange::HandleCloser Closer() {
    return [log = shared_from_this()](HINTERNET handle) {
      HandleKind kind = KindOf(handle);
      {
        std::lock_guard lock(log->guard_);
        log->closed_.push_back(handle);
        log->kinds_.push_back(kind);
      }
      InternetCloseHandle(handle);
    };
  }

  std::vector<HINTERNET> Closed() const {
    std::lock_guard lock(guard_);
    return closed_;
  }

  std::vector<HandleKind> ClosedKinds() const {
    std::lock_guard lock(guard_);
    return kinds_;
  }

 private:
  mutable std::mutex guard_;
  std::vector<HINTERNET> closed_;
  std::vector<HandleKind> kinds_;
};

// The order in which an exchange's three handles must be closed.
inline const std::vector<HandleKind> kCloseOrder = {HandleKind::request, HandleKind::connection,
                                                    HandleKind::root};

// An exchange whose closes go to the log.
inline std::shared_ptr<FetchExchange> LoggedExchange(const std::string& url, bool wantHeaders,
                                                     const std::shared_ptr<CloseLog>& log,
                                                     std::size_t maxBodyBytes = kMaxBodyBytes) {
  return std::make_shared<FetchExchange>(url, wantHeaders,
                                         FetchExchange::Options{log->Closer(), maxBodyBytes});
}

}  // namespace cw::test
