// Encoding an RGB picture as a PNG file (8 bits per channel, no alpha).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace cw::e2e {

struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;  // red, green, blue for each pixel; top row first
};

// The PNG file bytes of `image`; empty when the image is empty or its pixels do not
// match its size.
std::string EncodePng(const RgbImage& image);

}  // namespace cw::e2e
