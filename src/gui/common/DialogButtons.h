#pragma once
// The OK and Cancel row of the program's dialogs, named as the language file
// knows them ("btnOk", "btnCancel"), right-aligned, OK the default.

class QBoxLayout;
class QDialog;
class QPushButton;

namespace vlm {

struct TDialogButtons {
    QBoxLayout* row;
    QPushButton* ok;
    QPushButton* cancel;
};

// OK accepts the dialog and Cancel rejects it.
TDialogButtons MakeDialogButtons(QDialog& dialog);

} // namespace vlm
