// The "Dodawanie Obrazów" dialog's tree and prefix field, bound to the model.
#include "editor/dialogs/world/add_image_sets_dlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <vector>

#include "editor/ui_text.h"

namespace vyr {

CAddImageSetsDlg::CAddImageSetsDlg(CAddImageSetsDialog& model, IInteractionPort& port, QWidget* parent)
    : CModelDlg(model, port, parent), m_model(model) {
  setWindowTitle(UiText("Dodawanie Obrazów"));
  m_tree = new QTreeWidget(this);
  m_tree->setHeaderHidden(true);
  m_tree->setMinimumSize(240, 260);
  m_prefix = new QLineEdit(this);
  Bind(kTreeControl, m_tree);
  Bind(kPrefixControl, m_prefix);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(UiText("Wybierz obraz do załadowania:"), this));
  layout->addWidget(m_tree, 1);
  layout->addWidget(new QLabel(UiText("Prefiks:"), this));
  layout->addWidget(m_prefix);
  AddButtons(layout);
}

void CAddImageSetsDlg::Load() {
  m_tree->clear();
  std::vector<QTreeWidgetItem*> items;
  items.reserve(m_model.m_nodes.size());
  for (size_t i = 0; i < m_model.m_nodes.size(); ++i) {
    const DirectoryNode& node = m_model.m_nodes[i];
    QTreeWidgetItem* item = node.parent < 0 ? new QTreeWidgetItem(m_tree)
                                            : new QTreeWidgetItem(items[size_t(node.parent)]);
    item->setText(0, FromBytes(node.text));
    item->setData(0, Qt::UserRole, int(i));
    items.push_back(item);
  }
  if (!items.empty()) items.front()->setExpanded(true);
  m_prefix->setText(FromBytes(m_model.m_prefix));
}

void CAddImageSetsDlg::Store() {
  QTreeWidgetItem* selected = m_tree->currentItem();
  m_model.m_selectedNode = selected ? selected->data(0, Qt::UserRole).toInt() : -1;
  m_model.m_prefix = ToBytes(m_prefix->text());
}

}  // namespace vyr
