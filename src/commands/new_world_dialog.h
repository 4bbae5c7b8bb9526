// Model of the "Nowy Świat" dialog that describes a new world.
#pragma once

#include <string>

#include "platform/interaction_port.h"

namespace vyr {

class CWorldDoc;

class CNewWorldDialog : public CDialogModel {
 public:
  static constexpr int kTemplateId = 130;
  static constexpr int kArchivePathControl = 1003;

  explicit CNewWorldDialog(CWorldDoc& doc) : m_doc(doc) {}
  int TemplateId() const override { return kTemplateId; }

  // Every field starts empty and the check box clear.
  void OnInitDialog() override;
  // Checks that the archive opens; on failure tells the user, asks for focus on the
  // archive field and returns false (the dialog stays open). Otherwise stores the
  // fields into the document and returns true.
  bool OnOK(IInteractionPort& port) override;

  std::string m_name;         // 1000
  std::string m_author;       // 1001
  std::string m_archivePath;  // 1003
  std::string m_imageDir;     // 1004
  std::string m_palette;      // 1006
  std::string m_startX;       // 1005
  std::string m_startY;       // 1002
  bool m_useZ = false;        // 1029

 private:
  CWorldDoc& m_doc;
};

}  // namespace vyr
