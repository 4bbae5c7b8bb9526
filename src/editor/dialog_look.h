// How the program's dialogs look: a frame without minimise and maximise buttons, read-only
// fields that look read-only, path fields wide enough for their whole path.
#pragma once

class QLineEdit;
class QWidget;

namespace vyr {

// A dialog frame with a title and a close button only.
void UseDialogFrame(QWidget& dialog);

// A read-only field gets the window's background, as a label would.
void ShowReadOnly(QLineEdit* edit);

// The field grows with the text the program puts there, so a path shows whole (up to most
// of the screen's width); while the user types it keeps its width and scrolls.
void WidenToText(QLineEdit* edit);

// Opens the dialog at least wide enough to show its whole title beside the frame's buttons.
void FitTitle(QWidget& dialog);

}  // namespace vyr
