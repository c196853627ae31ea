// The deterministic body the fixture server's /bytes, /chunked and /endless
// routes send: byte i is (7 * i + 131 * (i >> 11)) & 0xFF. Every byte value
// occurs, NUL and high bytes included, and every 2048-byte piece differs from its
// neighbours, so a lost, doubled or reordered piece shows.
#pragma once

#include <cstddef>
#include <string>

namespace cw::test {

inline std::string PatternBytes(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((7 * i + 131 * (i >> 11)) & 0xFF);
  return bytes;
}

}  // namespace cw::test
