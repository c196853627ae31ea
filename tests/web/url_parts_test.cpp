#include <gtest/gtest.h>

#include <string>

#include "web/url_parts.h"

namespace cw {
namespace {

struct AddressCase {
  std::string url;
  std::string host;          // UrlHost(url, false)
  std::string hostWithPort;  // UrlHost(url, true)
  std::string path;
  int port;
  bool secure;
};

void PrintTo(const AddressCase& c, std::ostream* out) { *out << c.url; }

class AddressSplitting : public testing::TestWithParam<AddressCase> {};

TEST_P(AddressSplitting, SplitsHostPathAndPort) {
  const AddressCase& c = GetParam();
  EXPECT_EQ(UrlHost(c.url, false), c.host);
  EXPECT_EQ(UrlHost(c.url, true), c.hostWithPort);
  EXPECT_EQ(UrlPath(c.url), c.path);
  EXPECT_EQ(UrlPort(c.url), c.port);
  EXPECT_EQ(UrlIsSecure(c.url), c.secure);
}

INSTANTIATE_TEST_SUITE_P(
    PlainAddresses, AddressSplitting,
    testing::Values(
        // Upper-case host, a port, a query and a fragment.
        AddressCase{"http://WWW.Example.COM:8080/News/A.html?Id=5&x=Y#Top", "www.example.com",
                    "www.example.com:8080", "/News/A.html?Id=5&x=Y#Top", 8080, false},
        AddressCase{"http://example.com/", "example.com", "example.com", "/", 80, false},
        AddressCase{"http://example.com", "example.com", "example.com", "/", 80, false},
        // No scheme and no slash: the whole address is the host.
        AddressCase{"example.com", "example.com", "example.com", "/", 80, false},
        AddressCase{"Example.com:81", "example.com", "example.com:81", "/", 81, false},
        AddressCase{"example.com/a/b", "example.com", "example.com", "/a/b", 80, false},
        // "http://" inside the query: the host and the path come from that occurrence.
        AddressCase{"www.a.com/go?u=http://www.b.com/p?q=1", "www.b.com", "www.b.com", "/p?q=1", 80, false},
        AddressCase{"http://www.a.com/go?u=http://www.b.com/p", "www.a.com", "www.a.com",
                    "/go?u=http://www.b.com/p", 80, false},
        // The scheme is matched case-sensitively.
        AddressCase{"HTTP://a.com/x", "http", "http:", "//a.com/x", 0, false},
        // A port that does not begin with a digit is 0: WinINet's default.
        AddressCase{"http://a.com:/x", "a.com", "a.com:", "/x", 0, false},
        AddressCase{"http://a.com:x81/x", "a.com", "a.com:x81", "/x", 0, false},
        AddressCase{"http://a.com:81x/x", "a.com", "a.com:81x", "/x", 81, false},
        AddressCase{"http://a.com:443/", "a.com", "a.com:443", "/", 443, false},
        // Ports beyond int saturate instead of wrapping into some other number.
        AddressCase{"http://a.com:99999999999999999999/", "a.com", "a.com:99999999999999999999", "/",
                    2147483647, false},
        // A host whose text also occurs inside the scheme or earlier in the address.
        AddressCase{"http://p/index.html", "p", "p", "/index.html", 80, false},
        AddressCase{"http://tp:8000/x", "tp", "tp:8000", "/x", 8000, false},
        AddressCase{"b.com/x?u=http://b.com/y", "b.com", "b.com", "/y", 80, false},
        AddressCase{"", "", "", "/", 80, false}));

INSTANTIATE_TEST_SUITE_P(
    SecureAddresses, AddressSplitting,
    testing::Values(AddressCase{"https://Secure.Example.com/a?b#c", "secure.example.com",
                                "secure.example.com", "/a?b#c", 443, true},
                    AddressCase{"https://a.com", "a.com", "a.com", "/", 443, true},
                    AddressCase{"https://a.com:8443/x", "a.com", "a.com:8443", "/x", 8443, true},
                    AddressCase{"https://a.com:80/x", "a.com", "a.com:80", "/x", 80, true},
                    AddressCase{"https://a.com:/x", "a.com", "a.com:", "/x", 443, true},
                    // Whichever scheme comes first decides.
                    AddressCase{"https://a.com/go?u=http://b.com/p", "a.com", "a.com", "/go?u=http://b.com/p",
                                443, true},
                    AddressCase{"http://a.com/go?u=https://b.com/p", "a.com", "a.com",
                                "/go?u=https://b.com/p", 80, false},
                    AddressCase{"a.com/go?u=https://b.com/p", "b.com", "b.com", "/p", 443, true},
                    AddressCase{"HTTPS://a.com/", "https", "https:", "//a.com/", 0, false}));

INSTANTIATE_TEST_SUITE_P(
    DoubleByteAddresses, AddressSplitting,
    testing::Values(
        // "\xD6\xD0\xCE\xC4" are two Chinese characters.
        AddressCase{"http://\xD6\xD0\xCE\xC4.COM/\xD6\xD0?x", "\xD6\xD0\xCE\xC4.com", "\xD6\xD0\xCE\xC4.com",
                    "/\xD6\xD0?x", 80, false},
        // 0x81 0x48 is one character whose second byte happens to be "H": lowering
        // leaves it alone.
        AddressCase{"http://\x81HA.cn/", "\x81Ha.cn", "\x81Ha.cn", "/", 80, false},
        // 0x81 0x68 is one character whose second byte is "h": no "http://" starts
        // there, so the address has no scheme.
        AddressCase{"\x81http://a.com/x", "\x81http", "\x81http:", "//a.com/x", 0, false},
        AddressCase{"\x81http://a.com/x?u=http://b.com:5/y", "b.com", "b.com:5", "/y", 5, false}));

}  // namespace
}  // namespace cw
