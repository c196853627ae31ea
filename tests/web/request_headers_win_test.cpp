// The request as the server receives it: request line, Host, agent text and the
// three header lines of our own, byte for byte.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "fixture_address.h"
#include "web/fetch_page_win.h"

namespace cw {
namespace {

using namespace std::chrono_literals;
using test::FixtureHostAndPort;
using test::FixtureUrl;

constexpr std::chrono::milliseconds kTestLimit = 10s;

const std::string kAcceptLine =
    "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, application/x-shockwave-flash, "
    "application/vnd.ms-excel, application/vnd.ms-powerpoint, application/msword, */*\r\n";
const std::string kAgentLine = "User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)\r\n";
const std::string kLanguageLine = "Accept-Language: zh-cn\r\n";

// Where `line` (a whole line) occurs among the header lines; npos when it is
// missing, and a failure when it occurs more than once.
std::size_t HeaderLine(const std::string& received, const std::string& line) {
  std::size_t at = received.find("\r\n" + line);
  if (at == std::string::npos) return at;
  EXPECT_EQ(received.find("\r\n" + line, at + 1), std::string::npos) << "twice: " << line;
  return at;
}

TEST(RequestAsReceived, CarriesTheRequestLineHostAgentAndOurThreeLinesInOrder) {
  const std::string url = FixtureUrl("/echo?a=1&b=two");
  std::string received = FetchPage(url, nullptr, kTestLimit);
  ASSERT_FALSE(received.empty());
  EXPECT_TRUE(received.starts_with("GET /echo?a=1&b=two HTTP/1.1\r\n")) << received;
  EXPECT_NE(HeaderLine(received, "Host: " + FixtureHostAndPort() + "\r\n"), std::string::npos) << received;
  EXPECT_NE(HeaderLine(received, kAgentLine), std::string::npos) << received;
  std::size_t accept = HeaderLine(received, kAcceptLine);
  std::size_t referer = HeaderLine(received, "Referer: " + url + "\r\n");
  std::size_t language = HeaderLine(received, kLanguageLine);
  ASSERT_NE(accept, std::string::npos) << received;
  ASSERT_NE(referer, std::string::npos) << received;
  ASSERT_NE(language, std::string::npos) << received;
  EXPECT_LT(accept, referer);
  EXPECT_LT(referer, language);
  EXPECT_TRUE(received.ends_with("\r\n\r\n"));
}

// The Referer line carries the address as given; the request line carries the
// path taken from it.
struct AddressCase {
  std::string name;
  std::string url;
  std::string requestLineStart;
};

void PrintTo(const AddressCase& c, std::ostream* out) { *out << c.url; }

class AddressesAsSent : public testing::TestWithParam<AddressCase> {};

TEST_P(AddressesAsSent, KeepTheRefererUnchangedAndSendTheirPath) {
  std::string received = FetchPage(GetParam().url, nullptr, kTestLimit);
  EXPECT_TRUE(received.starts_with(GetParam().requestLineStart)) << received;
  EXPECT_NE(HeaderLine(received, "Referer: " + GetParam().url + "\r\n"), std::string::npos) << received;
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, AddressesAsSent,
    testing::Values(
        AddressCase{"WithoutScheme", FixtureHostAndPort() + "/echo?y=2", "GET /echo?y=2 HTTP/1.1\r\n"},
        // "http://" after the start of the address: host and path come from there.
        AddressCase{"SchemeInsideQuery", FixtureHostAndPort() + "/page?u=" + FixtureUrl("/echo?z=3"),
                    "GET /echo?z=3 HTTP/1.1\r\n"},
        // Whether the fragment goes out in the request line is WinINet's affair.
        AddressCase{"WithFragment", FixtureUrl("/echo?q=Upper#Part2"), "GET /echo?q=Upper"}),
    [](const testing::TestParamInfo<AddressCase>& info) { return info.param.name; });

}  // namespace
}  // namespace cw
