#pragma once
// The common ground of the entry dialogs: they close only through their
// buttons and the close box (Escape beeps, as it does in a number box), and
// each showing runs FormShow.

#include <QDialog>

class EntryDialog : public QDialog {
    Q_OBJECT

public:
    using QDialog::QDialog;

    // Loads the widgets from the hand-off each time the dialog is shown.
    virtual void FormShow() {}

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
