#include "web/url_parts.h"

#include <climits>

#include "ui/gbk_text.h"

namespace cw {
namespace {

constexpr std::string_view kPlainScheme = "http://";
constexpr std::string_view kSecureScheme = "https://";
constexpr int kPlainDefaultPort = 80;
constexpr int kSecureDefaultPort = 443;

struct HostStart {
  std::size_t offset = 0;
  bool secure = false;
};

// Whichever scheme marker comes first decides; an address with neither starts
// its host at its first character.
HostStart FindHostStart(std::string_view url) {
  std::size_t plain = FindText(url, kPlainScheme);
  std::size_t secure = FindText(url, kSecureScheme);
  if (secure != std::string_view::npos && (plain == std::string_view::npos || secure < plain)) {
    return {secure + kSecureScheme.size(), true};
  }
  if (plain != std::string_view::npos) return {plain + kPlainScheme.size(), false};
  return {};
}

// The leading decimal number of text, saturating at INT_MAX; 0 when it has none.
int LeadingNumber(std::string_view text) {
  long long value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    value = value * 10 + (c - '0');
    if (value > INT_MAX) return INT_MAX;
  }
  return static_cast<int>(value);
}

bool StartsWithDigit(std::string_view text) { return !text.empty() && text[0] >= '0' && text[0] <= '9'; }

}  // namespace

bool UrlIsSecure(std::string_view url) { return FindHostStart(url).secure; }

std::string UrlHost(std::string_view url, bool keepPort) {
  std::size_t start = FindHostStart(url).offset;
  std::size_t slash = FindText(url, "/", start);
  std::string_view host =
      url.substr(start, slash == std::string_view::npos ? std::string_view::npos : slash - start);
  if (!keepPort) {
    std::size_t colon = FindText(host, ":");
    if (colon != std::string_view::npos) host = host.substr(0, colon);
  }
  return AsciiLower(host);
}

// The path starts at the "/" that ends the host. Looking for the host's text
// from the start of the address instead would go wrong for a host such as "p"
// that also occurs inside the scheme, or one that occurs again before a
// "http://" inside the address.
std::string UrlPath(std::string_view url) {
  std::size_t slash = FindText(url, "/", FindHostStart(url).offset);
  if (slash == std::string_view::npos) return "/";
  return std::string(url.substr(slash));
}

int UrlPort(std::string_view url) {
  bool secure = UrlIsSecure(url);
  std::string host = UrlHost(url, true);
  std::size_t colon = FindText(host, ":");
  if (colon == std::string::npos) return secure ? kSecureDefaultPort : kPlainDefaultPort;
  std::string_view after = std::string_view(host).substr(colon + 1);
  if (!StartsWithDigit(after)) return secure ? kSecureDefaultPort : 0;
  return LeadingNumber(after);
}

}  // namespace cw
