// The printf-style conversions the message tables use.
#include "platform/message_format.h"

#include <cstdio>

#include "platform/shown_text.h"

namespace vyr {

namespace {

std::string NumberText(int64_t value, char conversion) {
  char text[32];
  switch (conversion) {
    case 'u': std::snprintf(text, sizeof text, "%llu", static_cast<unsigned long long>(uint32_t(value))); break;
    case 'x': std::snprintf(text, sizeof text, "%llx", static_cast<unsigned long long>(uint32_t(value))); break;
    case 'X': std::snprintf(text, sizeof text, "%llX", static_cast<unsigned long long>(uint32_t(value))); break;
    case 'c': return std::string(1, char(value));
    default: std::snprintf(text, sizeof text, "%lld", static_cast<long long>(value)); break;
  }
  return text;
}

}  // namespace

std::string FormatMessage(std::string_view source, std::initializer_list<FormatArg> values) {
  // The pattern is translated before it is filled: a filled text has no translation.
  const std::string translated = ShownText(source);
  const std::string_view pattern = translated;
  std::string out;
  const FormatArg* next = values.begin();
  size_t i = 0;
  while (i < pattern.size()) {
    if (pattern[i] != '%') {
      out += pattern[i++];
      continue;
    }
    if (i + 1 < pattern.size() && pattern[i + 1] == '%') {
      out += '%';
      i += 2;
      continue;
    }
    size_t at = i + 1;
    bool left = false;
    bool zero = false;
    for (; at < pattern.size() && (pattern[at] == '-' || pattern[at] == '0'); ++at) {
      left = left || pattern[at] == '-';
      zero = zero || pattern[at] == '0';
    }
    size_t width = 0;
    for (; at < pattern.size() && pattern[at] >= '0' && pattern[at] <= '9' && width < 1000; ++at)
      width = width * 10 + size_t(pattern[at] - '0');
    const char conversion = at < pattern.size() ? pattern[at] : '\0';
    if (std::string_view("iduxXcs").find(conversion) == std::string_view::npos || conversion == '\0' ||
        next == values.end()) {
      out += pattern[i++];
      continue;
    }
    const FormatArg& value = *next++;
    std::string text = value.IsText() ? std::string(value.Text()) : NumberText(value.Number(), conversion);
    if (text.size() < width) {
      const size_t pad = width - text.size();
      if (left) {
        text.append(pad, ' ');
      } else if (zero && !value.IsText()) {
        text.insert(text.front() == '-' ? 1 : 0, pad, '0');
      } else {
        text.insert(0, pad, ' ');
      }
    }
    out += text;
    i = at + 1;
  }
  return out;
}

std::string_view CountForm(const CountedText& text, int64_t count) {
  if (count == 1) return text.one;
  const int64_t units = count % 10, tens = count % 100;
  return units >= 2 && units <= 4 && (tens < 12 || tens > 14) ? text.few : text.many;
}

std::string Sentence(std::string_view reason) {
  std::string text(reason);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\n')) text.pop_back();
  if (text.empty()) return text;
  if (text[0] >= 'a' && text[0] <= 'z') text[0] = char(text[0] - 'a' + 'A');
  if (std::string_view(".!?:").find(text.back()) == std::string_view::npos) text += '.';
  return text;
}

}  // namespace vyr
