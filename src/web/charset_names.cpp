#include "web/charset_names.h"

#include <array>
#include <string>

#include "ui/gbk_text.h"

namespace cw {
namespace {

struct CharsetName {
  std::string_view name;  // lower case
  unsigned codePage;
};

constexpr std::array kCharsetNames = {
    CharsetName{"utf-8", 65001},
    CharsetName{"gb2312", 936},
    CharsetName{"gbk", 936},
    CharsetName{"gb18030", 54936},
    CharsetName{"big5", 950},
    CharsetName{"us-ascii", 20127},
    CharsetName{"ascii", 20127},
    CharsetName{"iso-8859-1", 28591},
    CharsetName{"iso-8859-2", 28592},
    CharsetName{"iso-8859-5", 28595},
    CharsetName{"iso-8859-15", 28605},
    CharsetName{"windows-874", 874},
    CharsetName{"windows-1250", 1250},
    CharsetName{"windows-1251", 1251},
    CharsetName{"windows-1252", 1252},
    CharsetName{"windows-1253", 1253},
    CharsetName{"windows-1254", 1254},
    CharsetName{"windows-1255", 1255},
    CharsetName{"windows-1256", 1256},
    CharsetName{"windows-1257", 1257},
    CharsetName{"windows-1258", 1258},
    CharsetName{"shift_jis", 932},
    CharsetName{"euc-jp", 20932},
    CharsetName{"euc-kr", 949},
    CharsetName{"koi8-r", 20866},
    CharsetName{"koi8-u", 21866},
    CharsetName{"unicode", kUtf16LittleEndianCodePage},
    CharsetName{"utf-16", kUtf16LittleEndianCodePage},
    CharsetName{"utf-16le", kUtf16LittleEndianCodePage},
    CharsetName{"utf-16be", kUtf16BigEndianCodePage},
};

}  // namespace

std::optional<unsigned> CodePageForCharset(std::string_view name) {
  std::string lowered = AsciiLower(name);
  for (const CharsetName& entry : kCharsetNames) {
    if (entry.name == lowered) return entry.codePage;
  }
  return std::nullopt;
}

}  // namespace cw
