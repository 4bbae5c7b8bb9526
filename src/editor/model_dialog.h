// A QDialog bound to a dialog model: fields in after OnInitDialog, out before OnOK, and a
// refused OK keeps the dialog open on the model's focus control.
#pragma once

#include <QDialog>
#include <map>

#include "editor/qt_text.h"
#include "platform/interaction_port.h"

class QBoxLayout;
class QLineEdit;
class QWidget;

namespace vyr {

class CModelDlg : public QDialog {
 public:
  CModelDlg(CDialogModel& model, IInteractionPort& port, QWidget* parent);

  // Runs the dialog modally: OnInitDialog, Load, exec; OK runs Store and OnOK.
  DialogResult Run();

  // The control with that resource number (named "control<id>"), or null.
  QWidget* Control(int id) const;

  // "OK": the controls go into the model; a refused OK focuses the model's control.
  void accept() override;

 protected:
  // Copies the model's fields into the controls / the controls back into the model.
  virtual void Load() = 0;
  virtual void Store() = 0;

  // Registers a control under its resource number.
  void Bind(int id, QWidget* control);
  // The "OK" and "Anuluj" buttons under `layout`.
  void AddButtons(QBoxLayout* layout);

 private:
  CDialogModel& m_model;
  IInteractionPort& m_port;
  std::map<int, QWidget*> m_controls;
};

// Letters typed into the edit become capitals; text put there by the program keeps its case.
void UppercaseTyping(QLineEdit* edit);

// Digits, with one leading minus sign, for the signed number fields.
void SignedDigitsOnly(QLineEdit* edit);

// Registers the document's dialogs ("Nowy Świat", "Informacje Świata", "Dodawanie
// Obrazów") with the Qt interaction port.
void RegisterDocumentDialogs();

}  // namespace vyr
