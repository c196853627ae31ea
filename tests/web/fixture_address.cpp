#include "fixture_address.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace cw::test {
namespace {

int PortFromEnvironment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || std::atoi(value) <= 0) {
    ADD_FAILURE() << name << " is not set: run the tests through tests/fixtures/run_with_fixture_server.py";
    return 9;  // discard port: nothing listens there
  }
  return std::atoi(value);
}

}  // namespace

int FixturePort() { return PortFromEnvironment("CW_FIXTURE_PORT"); }
int FixtureTlsPort() { return PortFromEnvironment("CW_FIXTURE_TLS_PORT"); }
int FixtureClosedPort() { return PortFromEnvironment("CW_FIXTURE_CLOSED_PORT"); }

std::string FixtureHostAndPort() { return "127.0.0.1:" + std::to_string(FixturePort()); }

std::string FixtureUrl(std::string_view path) { return "http://" + FixtureHostAndPort() + std::string(path); }

}  // namespace cw::test
