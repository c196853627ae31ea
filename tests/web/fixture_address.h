// Addresses on the fixture server that run_with_fixture_server.py starts beside
// the tests; its ports arrive in the environment.
#pragma once

#include <string>
#include <string_view>

namespace cw::test {

int FixturePort();        // plain HTTP
int FixtureTlsPort();     // TLS with a self-signed certificate
int FixtureClosedPort();  // nothing listens there

// "http://127.0.0.1:<port>" followed by the path.
std::string FixtureUrl(std::string_view path);
std::string FixtureHostAndPort();

}  // namespace cw::test
