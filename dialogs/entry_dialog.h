#pragma once
// The common ground of the entry dialogs: Enter does what "CONFERMA" does
// and Escape what "ANNULLA" does, from any of their fields, and each
// showing runs FormShow.

#include <QDialog>

class EntryDialog : public QDialog {
    Q_OBJECT

public:
    using QDialog::QDialog;

    // Loads the widgets from the hand-off each time the dialog is shown.
    virtual void FormShow() {}
    // "CONFERMA" and "ANNULLA".
    virtual void Confirm() = 0;
    virtual void Cancel() { reject(); }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
