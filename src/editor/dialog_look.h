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

// The field grows with its text, so a path shows whole (up to most of the screen's width).
void WidenToText(QLineEdit* edit);

}  // namespace vyr
