// The Windows-1250 table and the conversions between its bytes and UTF-8.
#include "platform/windows1250.h"

#include <array>

namespace vyr {

namespace {

// Bytes 0x80 to 0xFF; below them the code page is ASCII.
constexpr std::array<char16_t, 128> kHighHalf = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,  // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,  // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,  // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,  // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,  // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,  // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,  // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,  // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,  // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,  // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,  // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,  // F8
};

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += char(c);
  } else if (c < 0x800) {
    out += char(0xC0 | (c >> 6));
    out += char(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += char(0xE0 | (c >> 12));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  } else {
    out += char(0xF0 | (c >> 18));
    out += char(0x80 | ((c >> 12) & 0x3F));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  }
}

constexpr char32_t kReplacement = 0xFFFD;

// The character starting at `at`, advancing past it; U+FFFD for a malformed sequence.
char32_t NextUtf8(std::string_view text, size_t& at) {
  const auto lead = static_cast<unsigned char>(text[at++]);
  if (lead < 0x80) return lead;
  int extra = 0;
  char32_t c = 0;
  char32_t least = 0;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1, c = lead & 0x1F, least = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, c = lead & 0x0F, least = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, c = lead & 0x07, least = 0x10000;
  } else {
    return kReplacement;
  }
  for (; extra > 0; --extra) {
    if (at >= text.size() || (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80) return kReplacement;
    c = (c << 6) | (static_cast<unsigned char>(text[at++]) & 0x3F);
  }
  if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return kReplacement;
  return c;
}

}  // namespace

char16_t Windows1250Char(uint8_t byte) { return byte < 0x80 ? char16_t(byte) : kHighHalf[byte - 0x80]; }

std::optional<uint8_t> Windows1250Byte(char32_t character) {
  if (character < 0x80) return uint8_t(character);
  for (size_t i = 0; i < kHighHalf.size(); ++i) {
    if (kHighHalf[i] == character) return uint8_t(0x80 + i);
  }
  return std::nullopt;
}

std::string Windows1250ToUtf8(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (char byte : bytes) AppendUtf8(text, Windows1250Char(static_cast<uint8_t>(byte)));
  return text;
}

std::string Utf8OrWindows1250(std::string_view text) {
  static constexpr std::string_view kEncodedReplacement = "\xEF\xBF\xBD";
  for (size_t at = 0; at < text.size();) {
    const size_t start = at;
    if (NextUtf8(text, at) == kReplacement && text.substr(start, at - start) != kEncodedReplacement)
      return Windows1250ToUtf8(text);
  }
  return std::string(text);
}

bool Utf8ToWindows1250(std::string_view utf8, std::string& bytes, std::string* unmappable) {
  bytes.clear();
  for (size_t at = 0; at < utf8.size();) {
    const size_t start = at;
    const char32_t c = NextUtf8(utf8, at);
    const std::optional<uint8_t> byte = c == kReplacement ? std::nullopt : Windows1250Byte(c);
    if (!byte) {
      if (unmappable) {
        unmappable->clear();
        if (c == kReplacement) {
          AppendUtf8(*unmappable, c);
        } else {
          unmappable->assign(utf8.substr(start, at - start));
        }
      }
      return false;
    }
    bytes += char(*byte);
  }
  return true;
}

}  // namespace vyr
