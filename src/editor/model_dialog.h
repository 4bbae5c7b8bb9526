// A QDialog bound to a dialog model: fields in after OnInitDialog, out before OnOK and
// before each control event, and a refused OK keeps the dialog open on the model's focus
// control. The edits of a model's
// limited fields take no more characters than the file holds, and OK refuses one that
// holds a character the file cannot.
#pragma once

#include <QDialog>
#include <QPointer>
#include <map>
#include <vector>

#include "editor/qt_text.h"
#include "platform/dialog_fields.h"

class QBoxLayout;
class QLineEdit;
class QWidget;

namespace vyr {

class CModelDlg : public QDialog {
 public:
  CModelDlg(CDialogModel& model, IInteractionPort& port, QWidget* parent);
  // Drops the event watchers first: the controls still lose their focus while QWidget
  // destroys them, when this dialog is no longer whole.
  ~CModelDlg() override;

  // Runs the dialog modally: OnInitDialog, Load, exec; OK runs Store and OnOK. A dialog
  // the model ended from code returns the model's result.
  DialogResult Run();

  // The control with that resource number (named "control<id>"), or null.
  QWidget* Control(int id) const;

  // "OK": when every limited edit's text can be stored, the controls go into the model;
  // a refused OK focuses the offending control or the model's.
  void accept() override;

 protected:
  // Copies the model's fields into the controls / the controls back into the model.
  virtual void Load() = 0;
  virtual void Store() = 0;

  // Registers a control under its resource number and passes its events to the model:
  // buttons, check boxes and radio buttons when clicked, lists, trees, combo boxes and tab
  // bars when their selection changes, lists also on a double click, edits (one- or multi-line)
  // when the focus leaves them, multi-line edits also on a double click.
  void Bind(int id, QWidget* control);
  // The "OK" and "Anuluj" buttons under `layout`.
  void AddButtons(QBoxLayout* layout);

 private:
  // Limits the model's limited text fields to the bytes the file holds.
  void LimitEdits();
  // False, after a message and with the focus on it, when an edit holds a character
  // outside the file's code page.
  bool EditsEncode();
  void Focus(int id);
  // Store, the model's handler, then what it asked for: fields shown again, a new
  // caption, the end of the dialog. Ignored while the controls are being loaded.
  void ControlEventRaised(int id, ControlEvent event);
  void LoadControls();
  void ApplyModelState();

  CDialogModel& m_model;
  IInteractionPort& m_port;
  std::vector<DialogField> m_fields;
  std::map<int, QWidget*> m_controls;
  std::vector<QPointer<QObject>> m_eventWatchers;  // owned by their controls
  bool m_loading = false;
};

// Letters typed into the edit become capitals; text put there by the program keeps its case.
// A combo box hands its keys to its edit past the edit's filters: give it the combo box too.
void UppercaseTyping(QWidget* edit);

// Digits only, as the number edits of the old dialogs took.
void DigitsOnly(QLineEdit* edit);

// Digits, with one leading minus sign, for the signed number fields.
void SignedDigitsOnly(QLineEdit* edit);

}  // namespace vyr
