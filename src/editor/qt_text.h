// Conversions between the program's byte strings and Qt strings.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "editor/ui_text.h"
#include "platform/windows1250.h"

namespace vyr {

// Our own texts (resources, messages, Polish literals) are UTF-8.
inline QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }
// A literal the interface shows, in its language (UiText).
inline QString Text(const char* utf8) { return UiText(utf8); }

// File strings are Windows-1250 bytes: every byte shows as one character and an
// edit-free round trip gives the same bytes back.
inline QString FromBytes(const std::string& bytes) {
  QString text(qsizetype(bytes.size()), Qt::Uninitialized);
  for (size_t i = 0; i < bytes.size(); ++i) text[qsizetype(i)] = QChar(Windows1250Char(uint8_t(bytes[i])));
  return text;
}

// The bytes of `text`; false, with the first character Windows-1250 lacks in
// `unmappable`, when it cannot be stored.
inline bool ToBytes(const QString& text, std::string& bytes, QString* unmappable = nullptr) {
  std::string character;
  if (Utf8ToWindows1250(text.toStdString(), bytes, &character)) return true;
  if (unmappable) *unmappable = FromUtf8(character);
  return false;
}

// For text the dialog has checked with the form above (a character it refuses would be
// left out here).
inline std::string ToBytes(const QString& text) {
  std::string bytes;
  for (const QChar c : text) {
    if (const std::optional<uint8_t> byte = Windows1250Byte(c.unicode())) bytes += char(*byte);
  }
  return bytes;
}

}  // namespace vyr
