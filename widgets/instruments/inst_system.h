#pragma once
// TInstBitmapList: a list of bitmaps that several widgets share (thumbs,
// backgrounds). A widget registers a change link with it; every change of
// the list is told to the links first, then through OnChange.

#include "widgets/instruments/inst_classes.h"
#include "widgets/instruments/inst_controls.h"

class TInstBitmapList : public TInstSharedComponent {
    Q_OBJECT
    Q_PROPERTY(TInstBitmaps* Bitmaps READ Bitmaps)

public:
    explicit TInstBitmapList(QObject* parent = nullptr);

    TInstBitmaps* Bitmaps() { return &bitmaps_; }
    const TInstBitmaps* Bitmaps() const { return &bitmaps_; }
    // Copies the source's bitmaps into the owned list.
    void setBitmaps(const TInstBitmaps* source) { bitmaps_.Assign(source); }
    // A null image for an index out of range.
    QImage GetBitmap(int index) const { return bitmaps_.Bitmaps(index); }

signals:
    void OnChange();

private:
    TInstBitmaps bitmaps_;
};
