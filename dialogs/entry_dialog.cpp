#include "dialogs/entry_dialog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QShowEvent>

void EntryDialog::showEvent(QShowEvent* event)
{
    if (!event->spontaneous() && QApplication::activeWindow() != this)
        opener_ = QApplication::activeWindow();
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

void EntryDialog::done(int result)
{
    QDialog::done(result);
    if (opener_)
        opener_->activateWindow();
}
