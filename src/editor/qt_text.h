// Conversions between the program's byte strings and Qt strings.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace vyr {

// Our own texts (resources, messages, Polish literals) are UTF-8.
inline QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }
inline QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

// File strings are bytes: Latin-1 keeps every byte through an edit-free round trip.
inline QString FromBytes(const std::string& text) {
  return QString::fromLatin1(text.data(), qsizetype(text.size()));
}
inline std::string ToBytes(const QString& text) { return text.toLatin1().toStdString(); }

}  // namespace vyr
