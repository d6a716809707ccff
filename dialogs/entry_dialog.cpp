#include "dialogs/entry_dialog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QShowEvent>

void EntryDialog::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        // The window the keys went to, which need not be the parent (a dialog
        // opened from a dialog); the parent's when none had the keyboard.
        QWidget* active = QApplication::activeWindow();
        opener_ = active && active != this ? active : (parentWidget() ? parentWidget()->window() : nullptr);
    }
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
