// CWorldHeaderDlg: the Qt controls both world dialogs share, copied to and from the model.
#pragma once

#include "commands/world/world_header_dialog.h"
#include "editor/model_dialog.h"

class QCheckBox;
class QLineEdit;

namespace vyr {

class CWorldHeaderDlg : public CModelDlg {
 protected:
  // Control numbers of the shared fields.
  static constexpr int kName = CWorldHeaderDialog::kNameControl, kAuthor = CWorldHeaderDialog::kAuthorControl,
                       kArchive = CWorldHeaderDialog::kArchivePathControl,
                       kImages = CWorldHeaderDialog::kImageDirControl, kPalette = CWorldHeaderDialog::kPaletteControl,
                       kStartX = CWorldHeaderDialog::kStartXControl, kStartY = CWorldHeaderDialog::kStartYControl,
                       kUseZ = CWorldHeaderDialog::kUseZControl;
  // The archive's browse button.
  static constexpr const char* kArchiveTitle = "Plik 'Rez'";
  static constexpr const char* kArchiveFilter = "Pliki 'Rez' (*.rez)|*.rez;*.REZ|Wszystkie (*)|*||";

  CWorldHeaderDlg(CWorldHeaderDialog& model, IInteractionPort& port, QWidget* parent)
      : CModelDlg(model, port, parent), m_header(model), m_port(port) {}

  // The shared fields; the subclass binds their controls under the numbers above.
  void LoadHeader();
  void StoreHeader();

  QLineEdit* Edit(int id) const;
  QCheckBox* Check(int id) const;

  // The edit beside a "..." button ("browse<id>") that asks for a file through the port.
  // A command line (the game path) gets the file name quoted when it holds a blank.
  enum class PathKind { File, CommandLine };
  QWidget* WithBrowseButton(int id, QLineEdit* edit, const char* title, const char* filter,
                            PathKind kind = PathKind::File);

 private:
  CWorldHeaderDialog& m_header;
  IInteractionPort& m_port;
};

}  // namespace vyr
