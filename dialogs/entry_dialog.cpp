#include "dialogs/entry_dialog.h"

#include <QKeyEvent>
#include <QShowEvent>

void EntryDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void EntryDialog::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        Confirm();
        return;
    case Qt::Key_Escape:
        event->accept();
        Cancel();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

