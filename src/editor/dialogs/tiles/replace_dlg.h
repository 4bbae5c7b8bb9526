// The Qt face of the "Zmiana" dialog: what to search for and what to put in its place.
#pragma once

#include <array>

#include "commands/tiles/replace_dialog.h"
#include "editor/model_dialog.h"

class QButtonGroup;
class QVBoxLayout;

namespace vyr {

class CReplaceDlg final : public CModelDlg {
 public:
  CReplaceDlg(CReplaceDialog& model, IInteractionPort& port, QWidget* parent);

 protected:
  void Load() override;
  void Store() override;

 private:
  // One group: "Kloc" with its edit, "Usuń", "Kolor"; the ids are the radio buttons'.
  QButtonGroup* Side(const char* title, std::array<int, 3> ids, int valueId, QLineEdit*& value, QVBoxLayout* layout);
  // A group with no id checked shows no button checked.
  static void Check(QButtonGroup* group, int id);

  CReplaceDialog& m_model;
  QButtonGroup* m_search;
  QButtonGroup* m_replace;
  QLineEdit* m_searchValue = nullptr;
  QLineEdit* m_replaceValue = nullptr;
};

}  // namespace vyr
