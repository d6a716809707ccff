#include "dialogs/entry_dialog.h"

#include "toolkit/platform.h"

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
    if (event->key() == Qt::Key_Escape) {
        toolkit::platform().Beep();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
