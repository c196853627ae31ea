// Splitting a web address into the host, port and object path that the request
// needs. Addresses are GBK text; every search steps over double-byte characters.
#pragma once

#include <string>
#include <string_view>

namespace cw {

// True when the address is an "https://" one: "https://" occurs in it, and before
// any "http://". Such an address is fetched over TLS and its port defaults to 443.
bool UrlIsSecure(std::string_view url);

// The host: it starts after the first "http://" (or "https://" for a secure
// address), or at the first character when the address has no scheme, and ends
// before the next "/". Without keepPort it is cut before its first ":". ASCII
// letters are lowered.
std::string UrlHost(std::string_view url, bool keepPort);

// The object path of the request line: from the first "/" after the host to the
// end of the address, query and fragment included; "/" when there is none.
std::string UrlPath(std::string_view url);

// The port to connect to: the number after the host's ":", 0 when the text there
// does not begin with a digit (WinINet then takes its default), 80 without a ":"
// (443 for a secure address, which also takes 443 in place of 0). A number too
// large for an int saturates at INT_MAX.
int UrlPort(std::string_view url);

}  // namespace cw
