// Prints how long FetchPage takes for a 1 MiB and a 10 MiB page from the local
// fixture server, beside a plain socket read of the same response, so the cost
// of the fetch path (worker thread, WinINet, 2048-byte pieces) shows.
// Run it through tests/fixtures/run_with_fixture_server.py (see README.md).
#include <winsock2.h>
#include <ws2tcpip.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "web/fetch_page_win.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRounds = 5;

class WinsockSession {
 public:
  WinsockSession() { started_ = WSAStartup(MAKEWORD(2, 2), &data_) == 0; }
  ~WinsockSession() {
    if (started_) WSACleanup();
  }
  WinsockSession(const WinsockSession&) = delete;
  WinsockSession& operator=(const WinsockSession&) = delete;
  bool Started() const { return started_; }

 private:
  WSADATA data_{};
  bool started_ = false;
};

class Socket {
 public:
  Socket() : socket_(::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP)) {}
  ~Socket() {
    if (socket_ != INVALID_SOCKET) closesocket(socket_);
  }
  Socket(const Socket&) = delete;
  Socket& operator=(const Socket&) = delete;
  SOCKET Get() const { return socket_; }

 private:
  SOCKET socket_;
};

// The body of GET path over a bare socket, read in pieces of `piece` bytes;
// empty on any failure.
std::string SocketRead(int port, const std::string& path, int piece) {
  Socket connection;
  if (connection.Get() == INVALID_SOCKET) return {};
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<u_short>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (connect(connection.Get(), reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0) return {};
  std::string request = "GET " + path + " HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(port) +
                        "\r\nConnection: close\r\n\r\n";
  if (send(connection.Get(), request.data(), static_cast<int>(request.size()), 0) !=
      static_cast<int>(request.size())) {
    return {};
  }
  std::string response;
  std::vector<char> buffer(static_cast<std::size_t>(piece));
  for (;;) {
    int arrived = recv(connection.Get(), buffer.data(), piece, 0);
    if (arrived <= 0) break;
    response.append(buffer.data(), static_cast<std::size_t>(arrived));
  }
  std::size_t bodyStart = response.find("\r\n\r\n");
  return bodyStart == std::string::npos ? std::string() : response.substr(bodyStart + 4);
}

struct Timing {
  double bestMs = 0;
  double medianMs = 0;
  std::size_t bytes = 0;
};

template <typename Read>
Timing Measure(Read read) {
  std::vector<double> times;
  std::size_t bytes = 0;
  for (int round = 0; round < kRounds; ++round) {
    auto start = Clock::now();
    bytes = read().size();
    times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return {times.front(), times[times.size() / 2], bytes};
}

void Print(const char* what, std::size_t size, const Timing& timing) {
  double mibPerSecond =
      timing.bestMs > 0 ? (static_cast<double>(size) / (1024.0 * 1024.0)) / (timing.bestMs / 1000.0) : 0;
  std::printf("%-28s %6zu KiB  best %9.1f ms  median %9.1f ms  %8.1f MiB/s%s\n", what, size / 1024,
              timing.bestMs, timing.medianMs, mibPerSecond, timing.bytes == size ? "" : "  (WRONG SIZE)");
}

}  // namespace

int main() {
  const char* portText = std::getenv("CW_FIXTURE_PORT");
  int port = portText != nullptr ? std::atoi(portText) : 0;
  if (port <= 0) {
    std::fprintf(stderr,
                 "CW_FIXTURE_PORT is not set: run through tests/fixtures/run_with_fixture_server.py\n");
    return 2;
  }
  WinsockSession winsock;
  if (!winsock.Started()) return 2;

  std::printf("%d rounds each; the server builds each body once before the first round.\n", kRounds);
  for (std::size_t size : {std::size_t{1} << 20, std::size_t{10} << 20}) {
    const std::string path = "/bytes?size=" + std::to_string(size);
    const std::string url = "http://127.0.0.1:" + std::to_string(port) + path;
    SocketRead(port, path, 65536);  // warm the server's cache

    Print("FetchPage", size, Measure([&] { return cw::FetchPage(url, nullptr); }));
    Print("FetchPage with headers", size, Measure([&] {
            std::string headers;
            return cw::FetchPage(url, &headers);
          }));
    Print("socket, 64 KiB reads", size, Measure([&] { return SocketRead(port, path, 65536); }));
    Print("socket, 2048-byte reads", size, Measure([&] { return SocketRead(port, path, 2048); }));
  }
  return 0;
}
