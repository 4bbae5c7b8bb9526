// The header fields that the "Nowy Świat" and "Informacje Świata" dialogs both edit.
#pragma once

#include <string>
#include <vector>

#include "platform/dialog_fields.h"
#include "res/control_ids.h"

namespace vyr {

class CWorldDoc;
struct WorldProperties;
enum class ResourceField;

class CWorldHeaderDialog : public CFieldDialogModel {
 public:
  static constexpr int kNameControl = ctl::kWorldName, kAuthorControl = ctl::kWorldAuthor,
                       kArchivePathControl = ctl::kWorldArchivePath, kImageDirControl = ctl::kWorldImageDir,
                       kPaletteControl = ctl::kWorldPalette, kStartXControl = ctl::kWorldStartX,
                       kStartYControl = ctl::kWorldStartY, kUseZControl = ctl::kWorldUseZ;

  std::string m_name;
  std::string m_author;
  std::string m_archivePath;
  std::string m_imageDir;
  std::string m_palette;
  std::string m_startX;
  std::string m_startY;
  bool m_useZ = false;

  // The shared fields, each limited to what its header field holds.
  std::vector<DialogField> Fields() override;

  // The world being edited (its path places relative file names).
  const CWorldDoc& Document() const { return m_doc; }

 protected:
  explicit CWorldHeaderDialog(CWorldDoc& doc) : m_doc(doc) {}

  // Writes these fields into the header, except the Z flag: each dialog builds the
  // flags its own way. The fields must have passed FieldsFit.
  void StoreHeaderFields(WorldProperties& p) const;

  // The field to focus when the resource it names cannot be used.
  static int ResourceControl(ResourceField field);

  CWorldDoc& m_doc;
};

}  // namespace vyr
