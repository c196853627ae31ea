// Secure addresses go out over TLS and refuse a certificate nobody vouches for;
// a plain address stays plain even when its port is a TLS server's.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "fixture_address.h"
#include "web/fetch_page_win.h"

namespace cw {
namespace {

using namespace std::chrono_literals;

constexpr std::chrono::milliseconds kTestLimit = 10s;
const std::string kBlankHeaders(2048, ' ');

std::string TlsAddress(const std::string& scheme) {
  return scheme + "127.0.0.1:" + std::to_string(test::FixtureTlsPort()) + "/page";
}

// What the fixture's TLS port saw since the last call, one event a line.
std::string TakeTlsEvents() { return FetchPage(test::FixtureUrl("/tls-events"), nullptr, kTestLimit); }

TEST(SecureAddresses, ASelfSignedCertificateFailsTheFetch) {
  TakeTlsEvents();
  std::string headers = "caller's own text";
  EXPECT_EQ(FetchPage(TlsAddress("https://"), &headers, kTestLimit), "");
  EXPECT_EQ(headers, kBlankHeaders);

  // The request spoke TLS to the server, and no request got through.
  std::string events = TakeTlsEvents();
  EXPECT_EQ(events.find("HTTP_REQUEST"), std::string::npos) << events;
  EXPECT_NE(events.find("handshake-"), std::string::npos) << events;
  EXPECT_EQ(events.find("request "), std::string::npos) << events;
}

TEST(SecureAddresses, APlainAddressOnATlsPortIsNotTurnedIntoTls) {
  TakeTlsEvents();
  std::string headers = "caller's own text";
  EXPECT_EQ(FetchPage(TlsAddress("http://"), &headers, kTestLimit), "");
  // What comes back from a TLS server to a plain request is no HTTP response.
  EXPECT_NE(headers, "caller's own text");
  EXPECT_FALSE(headers.starts_with("HTTP/")) << headers;

  std::string events = TakeTlsEvents();
  EXPECT_NE(events.find("handshake-failed HTTP_REQUEST"), std::string::npos) << events;
}

}  // namespace
}  // namespace cw
