#include "widgets/instruments/inst_classes.h"

#include "widgets/instruments/inst_bitmap_stream.h"
#include "widgets/instruments/inst_drawing.h"

#include <QFile>
#include <QSaveFile>

using toolkit::TRect;

TInstPersistent::TInstPersistent(QObject* parent)
    : QObject(parent)
{
}

void TInstPersistent::Changed()
{
    if (updateCount_ == 0)
        emit OnChange();
}

void TInstPersistent::EndUpdate()
{
    if (updateCount_ > 0)
        --updateCount_;
    Changed();
}

TInstBevel::TInstBevel(QObject* parent)
    : TInstPersistent(parent)
{
}

void TInstBevel::Assign(const TInstBevel& source)
{
    BeginUpdate();
    borderWidth_ = source.borderWidth_;
    borderColor_ = source.borderColor_;
    inner_ = source.inner_;
    outer_ = source.outer_;
    visible_ = source.visible_;
    EndUpdate();
}

long long TInstBevel::EdgesThickness() const
{
    const auto edge = [](const Edge& e) {
        return (e.outline != TInstBevelOutlineStyle::osNone ? 1LL : 0LL) + e.space
               + (e.style != TInstBevelStyle::bsNone ? e.width : 0LL);
    };
    return edge(inner_) + edge(outer_);
}

long long TInstBevel::Thickness() const
{
    return visible_ ? borderWidth_ + EdgesThickness() : 0;
}

void TInstBevel::DrawEdge(toolkit::Canvas& canvas, TRect& rect, const Edge& edge)
{
    if (edge.outline == TInstBevelOutlineStyle::osOuter)
        DrawFrame3D(canvas, rect, toolkit::clBlack, toolkit::clBlack, 1);
    if (edge.style == TInstBevelStyle::bsLowered)
        DrawFrame3D(canvas, rect, edge.shadow, edge.highlight, edge.width);
    else if (edge.style == TInstBevelStyle::bsRaised)
        DrawFrame3D(canvas, rect, edge.highlight, edge.shadow, edge.width);
    if (edge.outline == TInstBevelOutlineStyle::osInner)
        DrawFrame3D(canvas, rect, toolkit::clBlack, toolkit::clBlack, 1);
    DrawFrame3D(canvas, rect, edge.color, edge.color, edge.space);
}

void TInstBevel::Draw(toolkit::Canvas& canvas, TRect& rect) const
{
    if (!visible_)
        return;
    DrawFrame3D(canvas, rect, borderColor_, borderColor_, borderWidth_);
    DrawEdge(canvas, rect, outer_);
    DrawEdge(canvas, rect, inner_);
}

void TInstBevel::AdjustRect(TRect& rect) const
{
    rect = ShrunkRect(rect, Thickness());
}

TInstPalette::TInstPalette(QObject* parent)
    : TInstPersistent(parent)
{
}

void TInstPalette::Assign(const TInstPalette& source)
{
    BeginUpdate();
    low_ = source.low_;
    high_ = source.high_;
    EndUpdate();
}

TInstBitmaps::TInstBitmaps(QObject* parent)
    : TInstPersistent(parent)
{
}

QImage TInstBitmaps::Bitmaps(int index) const
{
    return index >= 0 && index < bitmaps_.size() ? bitmaps_[index] : QImage();
}

int TInstBitmaps::Add(const QImage& bitmap)
{
    const QImage copy = bitmap;
    bitmaps_.append(copy);
    Changed();
    return Count() - 1;
}

void TInstBitmaps::Clear()
{
    BeginUpdate();
    bitmaps_.clear();
    EndUpdate();
    Changed();
}

void TInstBitmaps::Assign(const TInstBitmaps* source)
{
    if (!source) {
        Clear();
        return;
    }
    if (source != this)
        Replace(source->bitmaps_);
}

void TInstBitmaps::Replace(QList<QImage> bitmaps)
{
    BeginUpdate();
    bitmaps_ = std::move(bitmaps);
    EndUpdate();
}

QString TInstBitmaps::LoadFromStream(QIODevice& device)
{
    BitmapStreamResult read = ReadBitmapStream(device.readAll());
    Replace(std::move(read.bitmaps));
    return read.error;
}

void TInstBitmaps::SaveToStream(QIODevice& device) const
{
    device.write(WriteBitmapStream(bitmaps_));
}

QString TInstBitmaps::LoadFromFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Replace({});
        return file.errorString();
    }
    return LoadFromStream(file);
}

QString TInstBitmaps::SaveToFile(const QString& path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    SaveToStream(file);
    if (!file.commit())
        return file.errorString();
    return {};
}
