// Copying of the shared world header fields between the controls and the model.
#include "editor/dialogs/world/world_header_dlg.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QProcess>
#include <QToolButton>

#include "editor/dialog_look.h"
#include "world/world_doc.h"

namespace vyr {

QLineEdit* CWorldHeaderDlg::Edit(int id) const { return static_cast<QLineEdit*>(Control(id)); }
QCheckBox* CWorldHeaderDlg::Check(int id) const { return static_cast<QCheckBox*>(Control(id)); }

QWidget* CWorldHeaderDlg::WithBrowseButton(int id, QLineEdit* edit, const char* title, const char* filter,
                                           PathKind kind) {
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(edit, 1);
  auto* browse = new QToolButton(row);
  browse->setObjectName(QStringLiteral("browse%1").arg(id));
  browse->setText(QStringLiteral("..."));
  layout->addWidget(browse);
  WidenToText(edit);
  connect(browse, &QToolButton::clicked, this, [this, edit, title, filter, kind] {
    // A relative name is the world's neighbour, not the editor's working folder's.
    QString start = edit->text().trimmed();
    if (kind == PathKind::CommandLine) start = QProcess::splitCommand(start).value(0);
    const QFileInfo world(QString::fromStdString(m_header.Document().GetPathName()));
    if (QFileInfo(start).isRelative() && !world.fileName().isEmpty()) start = world.dir().filePath(start);
    const std::optional<std::string> chosen = m_port.AskOpenFileName(title, filter, start.toStdString());
    if (!chosen) return;
    QString path = QString::fromStdString(*chosen);
    if (kind == PathKind::CommandLine && path.contains(QLatin1Char(' ')))
      path = QLatin1Char('"') + path + QLatin1Char('"');
    edit->setText(path);
    edit->setFocus(Qt::OtherFocusReason);
  });
  return row;
}

void CWorldHeaderDlg::LoadHeader() {
  Edit(kName)->setText(FromBytes(m_header.m_name));
  Edit(kAuthor)->setText(FromBytes(m_header.m_author));
  Edit(kArchive)->setText(FromBytes(m_header.m_archivePath));
  Edit(kImages)->setText(FromBytes(m_header.m_imageDir));
  Edit(kPalette)->setText(FromBytes(m_header.m_palette));
  Edit(kStartX)->setText(FromBytes(m_header.m_startX));
  Edit(kStartY)->setText(FromBytes(m_header.m_startY));
  Check(kUseZ)->setChecked(m_header.m_useZ);
}

void CWorldHeaderDlg::StoreHeader() {
  m_header.m_name = ToBytes(Edit(kName)->text());
  m_header.m_author = ToBytes(Edit(kAuthor)->text());
  m_header.m_archivePath = ToBytes(Edit(kArchive)->text());
  m_header.m_imageDir = ToBytes(Edit(kImages)->text());
  m_header.m_palette = ToBytes(Edit(kPalette)->text());
  m_header.m_startX = ToBytes(Edit(kStartX)->text());
  m_header.m_startY = ToBytes(Edit(kStartY)->text());
  m_header.m_useZ = Check(kUseZ)->isChecked();
}

}  // namespace vyr
