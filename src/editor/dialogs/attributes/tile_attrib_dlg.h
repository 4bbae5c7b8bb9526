// The Qt face of the "Informacje Klocków" dialog: the image, its preview and one tab per record kind.
#pragma once

#include <array>
#include <cstdint>

#include "commands/attributes/tile_attrib_dialog.h"
#include "editor/model_dialog.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QStackedWidget;
class QTabBar;

namespace vyr {

class CTileAttribDlg final : public CModelDlg {
 public:
  CTileAttribDlg(CTileAttribDialog& model, IInteractionPort& port, QWidget* parent);

 protected:
  void Load() override;
  void Store() override;

 private:
  // A titled column of the five value buttons; the group's ids are the values 0-4.
  QGroupBox* RadioGroup(QWidget* parent, const char* title, const int (&ids)[5], QButtonGroup*& group);
  // A stored value outside 0-4 leaves every button of the group clear.
  static void Check(QButtonGroup* group, int32_t value);
  void Picture(QLabel* label, const CDibG& surface);

  CTileAttribDialog& m_model;
  QLabel* m_image = nullptr;
  QLabel* m_preview = nullptr;
  QLineEdit* m_number = nullptr;
  QTabBar* m_tabs = nullptr;
  QButtonGroup* m_singleGroup = nullptr;
  QButtonGroup* m_outsideGroup = nullptr;
  QButtonGroup* m_insideGroup = nullptr;
  std::array<QLineEdit*, 4> m_rect{};
  QStackedWidget* m_pages = nullptr;
};

}  // namespace vyr
