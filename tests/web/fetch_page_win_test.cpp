// Page fetches against the fixture server: bodies, header blocks, status codes,
// redirects, cookies and the failures that arrive as an empty body.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "close_log_win.h"
#include "fixture_address.h"
#include "pattern_body.h"
#include "web/fetch_page_win.h"

namespace cw {
namespace {

using namespace std::chrono_literals;
using test::FixtureUrl;

// Short enough to keep the suite quick, long enough for a 10 MiB page under Wine.
constexpr std::chrono::milliseconds kTestLimit = 20s;
const std::string kBlankHeaders(2048, ' ');
const std::string kCallersText = "caller's own text";

TEST(FetchPage, ReturnsTheBodyAndTheHeaderBlockStartingWithTheStatusLine) {
  std::string headers;
  std::string body = FetchPage(FixtureUrl("/page"), &headers, kTestLimit);
  EXPECT_EQ(body, "<html><body><div>fixture page</div></body></html>");
  EXPECT_TRUE(headers.starts_with("HTTP/1.1 200 OK\r\n")) << headers;
  EXPECT_TRUE(headers.ends_with("\r\n\r\n")) << headers;
  EXPECT_NE(headers.find("\r\nContent-Length: 49\r\n"), std::string::npos) << headers;
  EXPECT_EQ(headers.find('\0'), std::string::npos);
}

TEST(FetchPage, WithoutHeadersOutReturnsTheBodyAlone) {
  EXPECT_EQ(FetchPage(FixtureUrl("/delay?ms=300"), nullptr, kTestLimit), "delayed page");
}

TEST(FetchPage, AnAddressWithoutSchemeIsFetchedAsHttp) {
  EXPECT_EQ(FetchPage(test::FixtureHostAndPort() + "/status?code=200", nullptr, kTestLimit), "status 200");
}

struct BodyCase {
  std::string path;
  std::size_t size;
};

void PrintTo(const BodyCase& c, std::ostream* out) { *out << c.path; }

class BodiesByteForByte : public testing::TestWithParam<BodyCase> {};

TEST_P(BodiesByteForByte, ComeBackExactly) {
  std::string headers;
  std::string body = FetchPage(FixtureUrl(GetParam().path), &headers, kTestLimit);
  ASSERT_EQ(body.size(), GetParam().size);
  // One comparison, not a dump of megabytes on failure.
  EXPECT_TRUE(body == test::PatternBytes(GetParam().size));
  EXPECT_TRUE(headers.starts_with("HTTP/1.1 200 OK\r\n")) << headers;
}

INSTANTIATE_TEST_SUITE_P(Bodies, BodiesByteForByte,
                         testing::Values(BodyCase{"/bytes?size=1", 1}, BodyCase{"/bytes?size=2047", 2047},
                                         BodyCase{"/bytes?size=2048", 2048},
                                         BodyCase{"/bytes?size=4097", 4097},
                                         BodyCase{"/bytes?size=10485760", 10485760},
                                         BodyCase{"/chunked?size=100000&chunk=1000", 100000},
                                         BodyCase{"/chunked?size=5000&chunk=7", 5000}));

TEST(FetchPage, EmptyBodyOfASuccessfulResponse) {
  std::string headers;
  EXPECT_EQ(FetchPage(FixtureUrl("/bytes?size=0"), &headers, kTestLimit), "");
  EXPECT_TRUE(headers.starts_with("HTTP/1.1 200 OK\r\n")) << headers;
}

class StatusResponses : public testing::TestWithParam<int> {};

TEST_P(StatusResponses, ArriveWithTheirStatusLineAndBody) {
  std::string code = std::to_string(GetParam());
  std::string headers;
  std::string body = FetchPage(FixtureUrl("/status?code=" + code), &headers, kTestLimit);
  EXPECT_EQ(body, "status " + code);
  EXPECT_TRUE(headers.starts_with("HTTP/1.1 " + code + " ")) << headers;
}

INSTANTIATE_TEST_SUITE_P(Codes, StatusResponses, testing::Values(404, 503, 403, 301, 500));

class Redirects : public testing::TestWithParam<int> {};

TEST_P(Redirects, AreFollowedToThePage) {
  std::string headers;
  std::string body = FetchPage(FixtureUrl("/redirect?code=" + std::to_string(GetParam()) + "&to=/page"),
                               &headers, kTestLimit);
  EXPECT_EQ(body, "<html><body><div>fixture page</div></body></html>");
  EXPECT_TRUE(headers.starts_with("HTTP/1.1 200 OK\r\n")) << headers;
}

INSTANTIATE_TEST_SUITE_P(Codes, Redirects, testing::Values(301, 302));

TEST(FetchPage, ACookieSetByOneResponseIsSentWithTheNext) {
  std::string value = "v" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
  ASSERT_EQ(FetchPage(FixtureUrl("/cookie/set?value=" + value), nullptr, kTestLimit), "cookie set");
  EXPECT_NE(FetchPage(FixtureUrl("/cookie/echo"), nullptr, kTestLimit).find("cwtest=" + value),
            std::string::npos);
}

TEST(FetchPage, AHeaderBlockOfMoreThan2048CharactersGivesBlanks) {
  std::string headers = kCallersText;
  EXPECT_EQ(FetchPage(FixtureUrl("/big-headers?size=3000"), &headers, kTestLimit), "big headers");
  EXPECT_EQ(headers, kBlankHeaders);
}

TEST(FetchPage, AHeaderBlockJustUnder2048CharactersIsKept) {
  std::string headers;
  EXPECT_EQ(FetchPage(FixtureUrl("/big-headers?size=1500"), &headers, kTestLimit), "big headers");
  EXPECT_TRUE(headers.starts_with("HTTP/1.1 200 OK\r\n")) << headers;
  EXPECT_LT(headers.size(), 2048u);
}

// Failures at the network: the exchange completes, with an empty body and blank
// headers, and without waiting for the limit (the blanks are only handed over
// when the worker finished in time).
struct NetworkFailureCase {
  std::string name;
  std::string url;
};

void PrintTo(const NetworkFailureCase& c, std::ostream* out) { *out << c.name; }

class NetworkFailures : public testing::TestWithParam<NetworkFailureCase> {};

TEST_P(NetworkFailures, GiveAnEmptyBodyAndBlankHeaders) {
  std::string headers = kCallersText;
  EXPECT_EQ(FetchPage(GetParam().url, &headers, kTestLimit), "");
  EXPECT_EQ(headers, kBlankHeaders);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, NetworkFailures,
    testing::Values(
        // A label of 64 letters is longer than a name may have: it fails to
        // resolve on this machine, without a query leaving it.
        NetworkFailureCase{"UnresolvableName", "http://" + std::string(64, 'a') + ".invalid/page"},
        NetworkFailureCase{"RefusedConnection",
                           "http://127.0.0.1:" + std::to_string(test::FixtureClosedPort()) + "/page"},
        // A secure address makes the request speak TLS, which the plain port does not.
        NetworkFailureCase{"TlsToAPlainPort",
                           "https://127.0.0.1:" + std::to_string(test::FixturePort()) + "/page"}),
    [](const testing::TestParamInfo<NetworkFailureCase>& info) { return info.param.name; });

// Failures before anything is sent: nothing is taken, headersOut keeps its value.
class SetupFailures : public testing::TestWithParam<std::string> {};

TEST_P(SetupFailures, LeaveHeadersOutUntouched) {
  std::string headers = kCallersText;
  EXPECT_EQ(FetchPage(GetParam(), &headers, kTestLimit), "");
  EXPECT_EQ(headers, kCallersText);
}

INSTANTIATE_TEST_SUITE_P(Failures, SetupFailures,
                         // A port beyond 65535 is refused rather than wrapped round to
                         // 65536 less (here the fixture's own port).
                         testing::Values("http://127.0.0.1:" + std::to_string(test::FixturePort() + 65536) +
                                         "/page"));

TEST(RunawayBodies, ABodyOverTheLimitFailsLikeTheNetwork) {
  auto log = std::make_shared<test::CloseLog>();
  std::string headers = kCallersText;
  EXPECT_EQ(RunFetchExchange(test::LoggedExchange(FixtureUrl("/endless"), true, log, 1 << 20), &headers,
                             kTestLimit),
            "");
  EXPECT_EQ(headers, kBlankHeaders);
  EXPECT_EQ(log->ClosedKinds(), test::kCloseOrder);
}

TEST(RunawayBodies, ABodyOfExactlyTheLimitIsKept) {
  constexpr std::size_t kLimit = 100000;
  auto log = std::make_shared<test::CloseLog>();
  std::string headers;
  std::string body = RunFetchExchange(
      test::LoggedExchange(FixtureUrl("/bytes?size=" + std::to_string(kLimit)), true, log, kLimit), &headers,
      kTestLimit);
  EXPECT_TRUE(body == test::PatternBytes(kLimit));
  EXPECT_TRUE(headers.starts_with("HTTP/1.1 200 OK\r\n")) << headers;

  headers = kCallersText;
  EXPECT_EQ(RunFetchExchange(test::LoggedExchange(FixtureUrl("/bytes?size=" + std::to_string(kLimit + 1)),
                                                  true, log, kLimit),
                             &headers, kTestLimit),
            "");
  EXPECT_EQ(headers, kBlankHeaders);
}

}  // namespace
}  // namespace cw
