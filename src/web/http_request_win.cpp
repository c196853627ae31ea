#include "web/http_request_win.h"

#include <utility>

#include "web/url_parts.h"

namespace cw {
namespace {

constexpr DWORD kReadPieceSize = 2048;
constexpr int kHighestPort = 65535;

// The worker's own handles until they are published; closed in the order
// request, connection, root when the worker keeps them.
class WorkerHandles {
 public:
  explicit WorkerHandles(const FetchExchange& exchange) : exchange_(exchange) {}
  WorkerHandles(const WorkerHandles&) = delete;
  WorkerHandles& operator=(const WorkerHandles&) = delete;
  ~WorkerHandles() {
    exchange_.CloseInternetHandle(request);
    exchange_.CloseInternetHandle(connection);
    exchange_.CloseInternetHandle(root);
  }
  void HandOver() { request = connection = root = nullptr; }

  HINTERNET root = nullptr;
  HINTERNET connection = nullptr;
  HINTERNET request = nullptr;

 private:
  const FetchExchange& exchange_;
};

enum class BodyOutcome { complete, tooLarge, abandoned, noResponse };

// Reads until a read delivers nothing (a failed read counts as nothing), stopping
// early when the body outgrows the limit or the caller has given up.
BodyOutcome ReadBody(const FetchExchange& exchange, HINTERNET request, std::string& body) {
  char piece[kReadPieceSize];
  for (;;) {
    DWORD arrived = 0;
    if (!InternetReadFile(request, piece, kReadPieceSize, &arrived)) arrived = 0;
    if (exchange.Abandoned()) return BodyOutcome::abandoned;
    if (arrived == 0) return BodyOutcome::complete;
    body.append(piece, arrived);
    if (body.size() > exchange.MaxBodyBytes()) return BodyOutcome::tooLarge;
  }
}

std::string BlankHeaderText() { return std::string(kHeaderBufferSize, ' '); }

// The raw header block, status line first, as the NUL-terminated text WinINet
// writes into a buffer of spaces; all spaces when it writes nothing.
std::string RawHeaderBlock(HINTERNET request) {
  std::string buffer = BlankHeaderText();
  DWORD length = kHeaderBufferSize;
  if (!HttpQueryInfoA(request, HTTP_QUERY_RAW_HEADERS_CRLF, buffer.data(), &length, nullptr)) {
    return BlankHeaderText();
  }
  std::size_t end = buffer.find('\0');
  if (end != std::string::npos) buffer.resize(end);
  return buffer;
}

}  // namespace

std::string RequestHeaderBlock(std::string_view url) {
  std::string block =
      "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, application/x-shockwave-flash, "
      "application/vnd.ms-excel, application/vnd.ms-powerpoint, application/msword, */*\r\n";
  block += "Referer: ";
  block += url;
  block += "\r\n";
  block += "Accept-Language: zh-cn\r\n";
  return block;
}

void HttpRequest(FetchExchange& exchange) {
  const std::shared_ptr<const ExchangeContent> asked = exchange.Content();
  if (asked->state != ExchangeState::request) return;
  const std::string& url = asked->url;

  WorkerHandles handles(exchange);
  handles.root = InternetOpenA(kAgentText, INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
  if (handles.root == nullptr) return;

  // A port beyond 16 bits would wrap around to some other port.
  int port = UrlPort(url);
  if (port > kHighestPort) return;
  handles.connection =
      InternetConnectA(handles.root, UrlHost(url, false).c_str(), static_cast<INTERNET_PORT>(port), nullptr,
                       nullptr, INTERNET_SERVICE_HTTP, 0, 0);
  if (handles.connection == nullptr) return;

  DWORD flags = INTERNET_FLAG_RELOAD;
  if (UrlIsSecure(url)) flags |= INTERNET_FLAG_SECURE;
  handles.request = HttpOpenRequestA(handles.connection, nullptr, UrlPath(url).c_str(), "HTTP/1.1", nullptr,
                                     nullptr, flags, 0);
  if (handles.request == nullptr) return;

  const std::string headerBlock = RequestHeaderBlock(url);

  ExchangeContent pending;
  pending.state = ExchangeState::pending;
  pending.request = handles.request;
  pending.connection = handles.connection;
  pending.root = handles.root;
  // Abandoned before publishing: the handles are still ours and close on return.
  if (!exchange.Publish(std::move(pending))) return;
  ExchangeContent done;
  done.state = ExchangeState::done;
  done.request = handles.request;
  done.connection = handles.connection;
  done.root = handles.root;
  handles.HandOver();

  // From here on the handles are the exchange's. Once it is abandoned they may be
  // closed at any moment, so they are used no further.
  // A failed send means no response at all (name not resolved, connection
  // refused, certificate refused): nothing to read, and no header block, which
  // some WinINet versions would otherwise report as a bare "\r\n".
  bool sent = HttpSendRequestA(done.request, headerBlock.data(), static_cast<DWORD>(headerBlock.size()),
                               nullptr, 0) != FALSE;
  if (exchange.Abandoned()) return;

  BodyOutcome outcome = sent ? ReadBody(exchange, done.request, done.body) : BodyOutcome::noResponse;
  if (outcome == BodyOutcome::abandoned) return;
  if (outcome == BodyOutcome::tooLarge) done.body = std::string();
  if (asked->wantHeaders) {
    done.headerText = outcome == BodyOutcome::complete ? RawHeaderBlock(done.request) : BlankHeaderText();
  }
  exchange.Publish(std::move(done));
}

}  // namespace cw
