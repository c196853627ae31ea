#include "web/convert_charset_win.h"

#include <windows.h>

#include <climits>

#include "web/charset_names.h"

namespace cw {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kLittleEndianMark = "\xFF\xFE";
constexpr std::string_view kBigEndianMark = "\xFE\xFF";
constexpr unsigned kUtf8CodePage = 65001;

bool IsUtf16(unsigned codePage) {
  return codePage == kUtf16LittleEndianCodePage || codePage == kUtf16BigEndianCodePage;
}

std::wstring DecodeUtf16(std::string_view data, bool bigEndian) {
  if (data.starts_with(kLittleEndianMark)) {
    bigEndian = false;
    data.remove_prefix(2);
  } else if (data.starts_with(kBigEndianMark)) {
    bigEndian = true;
    data.remove_prefix(2);
  }
  std::wstring text;
  text.reserve(data.size() / 2);
  for (std::size_t i = 0; i + 1 < data.size(); i += 2) {
    unsigned first = static_cast<unsigned char>(data[i]);
    unsigned second = static_cast<unsigned char>(data[i + 1]);
    text.push_back(static_cast<wchar_t>(bigEndian ? (first << 8 | second) : (second << 8 | first)));
  }
  return text;
}

std::string EncodeUtf16(std::wstring_view text, bool bigEndian) {
  std::string bytes;
  bytes.reserve(text.size() * 2);
  for (wchar_t unit : text) {
    char high = static_cast<char>((unit >> 8) & 0xFF);
    char low = static_cast<char>(unit & 0xFF);
    bytes.push_back(bigEndian ? high : low);
    bytes.push_back(bigEndian ? low : high);
  }
  return bytes;
}

std::optional<std::wstring> Decode(std::string_view data, unsigned codePage) {
  if (IsUtf16(codePage)) return DecodeUtf16(data, codePage == kUtf16BigEndianCodePage);
  if (codePage == kUtf8CodePage && data.starts_with(kUtf8ByteOrderMark)) data.remove_prefix(3);
  if (data.empty()) return std::wstring();
  if (data.size() > INT_MAX) return std::nullopt;
  int size = static_cast<int>(data.size());
  int length = MultiByteToWideChar(codePage, 0, data.data(), size, nullptr, 0);
  if (length <= 0) return std::nullopt;
  std::wstring text(static_cast<std::size_t>(length), L'\0');
  if (MultiByteToWideChar(codePage, 0, data.data(), size, text.data(), length) != length) return std::nullopt;
  return text;
}

std::optional<std::string> Encode(std::wstring_view text, unsigned codePage) {
  if (IsUtf16(codePage)) return EncodeUtf16(text, codePage == kUtf16BigEndianCodePage);
  if (text.empty()) return std::string();
  if (text.size() > INT_MAX) return std::nullopt;
  int size = static_cast<int>(text.size());
  int length = WideCharToMultiByte(codePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(length), '\0');
  if (WideCharToMultiByte(codePage, 0, text.data(), size, bytes.data(), length, nullptr, nullptr) != length) {
    return std::nullopt;
  }
  return bytes;
}

}  // namespace

std::string ConvertCharset(std::string_view data, std::string_view fromCharset, std::string_view toCharset,
                           std::optional<std::size_t> startPosition) {
  std::optional<unsigned> from = CodePageForCharset(fromCharset);
  std::optional<unsigned> to = CodePageForCharset(toCharset);
  if (!from || !to) return {};
  std::optional<std::wstring> text = Decode(data, *from);
  if (!text) return {};
  std::optional<std::string> bytes = Encode(*text, *to);
  if (!bytes) return {};
  if (!startPosition) return std::move(*bytes);
  if (*startPosition >= bytes->size()) return {};
  return bytes->substr(*startPosition);
}

}  // namespace cw
