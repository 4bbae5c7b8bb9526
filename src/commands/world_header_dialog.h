// The header fields that the "Nowy Świat" and "Informacje Świata" dialogs both edit.
#pragma once

#include <cstdint>
#include <string>

#include "platform/interaction_port.h"

namespace vyr {

class CWorldDoc;
struct WorldProperties;

// A dialog's number field: signed decimal; empty or non-numeric text reads as 0.
int32_t ReadDialogInt(const std::string& text);

class CWorldHeaderDialog : public CDialogModel {
 public:
  std::string m_name;         // 1000
  std::string m_author;       // 1001
  std::string m_archivePath;  // 1003
  std::string m_imageDir;     // 1004
  std::string m_palette;      // 1006
  std::string m_startX;       // 1005
  std::string m_startY;       // 1002
  bool m_useZ = false;        // 1029

  // The world being edited (its path places relative file names).
  const CWorldDoc& Document() const { return m_doc; }

 protected:
  explicit CWorldHeaderDialog(CWorldDoc& doc) : m_doc(doc) {}

  // Writes these fields into the header, except the Z flag: each dialog builds the
  // flags its own way.
  void StoreHeaderFields(WorldProperties& p) const;

  CWorldDoc& m_doc;
};

}  // namespace vyr
