#include "harness/png_encoder.h"

#include <zlib.h>

#include <string_view>

namespace cw::e2e {
namespace {

void AppendBigEndian32(std::string& out, std::uint32_t value) {
  out += static_cast<char>(value >> 24);
  out += static_cast<char>(value >> 16);
  out += static_cast<char>(value >> 8);
  out += static_cast<char>(value);
}

// length, type, data, CRC of type and data
void AppendChunk(std::string& out, std::string_view type, std::string_view data) {
  AppendBigEndian32(out, static_cast<std::uint32_t>(data.size()));
  const size_t typeStart = out.size();
  out += type;
  out += data;
  const auto* checked = reinterpret_cast<const Bytef*>(out.data() + typeStart);
  AppendBigEndian32(out,
                    static_cast<std::uint32_t>(crc32(0, checked, static_cast<uInt>(out.size() - typeStart))));
}

}  // namespace

std::string EncodePng(const RgbImage& image) {
  if (image.width <= 0 || image.height <= 0) return {};
  const size_t rowBytes = static_cast<size_t>(image.width) * 3;
  if (image.pixels.size() != rowBytes * static_cast<size_t>(image.height)) return {};

  // Every row is preceded by its filter type; 0 leaves the row as it is.
  std::string raw;
  raw.reserve((rowBytes + 1) * static_cast<size_t>(image.height));
  for (int y = 0; y < image.height; ++y) {
    raw += '\0';
    raw.append(reinterpret_cast<const char*>(image.pixels.data()) + rowBytes * static_cast<size_t>(y),
               rowBytes);
  }
  uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
  std::string packed(packedSize, '\0');
  if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize,
                reinterpret_cast<const Bytef*>(raw.data()), static_cast<uLong>(raw.size()),
                Z_BEST_SPEED) != Z_OK) {
    return {};
  }
  packed.resize(packedSize);

  std::string header;
  AppendBigEndian32(header, static_cast<std::uint32_t>(image.width));
  AppendBigEndian32(header, static_cast<std::uint32_t>(image.height));
  header += '\x08';  // bits per channel
  header += '\x02';  // colour type: RGB
  header += '\0';    // compression: deflate
  header += '\0';    // filter method
  header += '\0';    // no interlace

  std::string png("\x89PNG\r\n\x1a\n", 8);
  AppendChunk(png, "IHDR", header);
  AppendChunk(png, "IDAT", packed);
  AppendChunk(png, "IEND", {});
  return png;
}

}  // namespace cw::e2e
