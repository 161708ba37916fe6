#pragma once

class QDialog;
class QDialogButtonBox;
class QLabel;
class QWidget;

namespace qismaru::ui {

// The parts the entry dialogs share, made alike in each.

// The line that says why what was entered is refused, in red, hidden until
// there is something to say.
QLabel* problemLabel(const char* objectName, QWidget* parent);

// "موافق" and "إلغاء", accepting and rejecting the dialog.
QDialogButtonBox* okCancelButtons(QDialog* dialog);

}  // namespace qismaru::ui
