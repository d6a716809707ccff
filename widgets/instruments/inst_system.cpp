#include "widgets/instruments/inst_system.h"

TInstBitmapList::TInstBitmapList(QObject* parent)
    : TInstSharedComponent(parent)
{
    connect(&bitmaps_, &TInstPersistent::OnChange, this, [this] {
        NotifyClients();
        emit OnChange();
    });
}
