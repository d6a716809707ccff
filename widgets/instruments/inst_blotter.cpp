#include "widgets/instruments/inst_blotter.h"

#include "widgets/instruments/inst_drawing.h"

#include "toolkit/color_scheme.h"

#include <QPainter>
#include <QResizeEvent>
#include <algorithm>

namespace {

constexpr QSize kDefaultSize(185, 75);

bool IsEmpty(const QImage& image)
{
    return image.isNull() || image.width() == 0 || image.height() == 0;
}

}  // namespace

std::vector<QRect> BlotterResizeStrips(QSize before, QSize after, long long frame)
{
    if (frame <= 0)
        return {};
    const long long w = before.width();
    const long long h = before.height();
    const auto strip = [](long long left, long long top, long long right, long long bottom) {
        return QRect(QPoint(ClampCoordinate(left), ClampCoordinate(top)),
                     QPoint(ClampCoordinate(right - 1), ClampCoordinate(bottom - 1)));
    };
    std::vector<QRect> out;
    if (after.width() != before.width())
        out.push_back(strip(w - frame - 1, 0, w, h));
    if (after.height() != before.height())
        out.push_back(strip(0, h - frame - 1, w, h));
    return out;
}

TInstBlotter::TInstBlotter(QWidget* parent)
    : TInstCustomControl(parent)
{
    resize(kDefaultSize);
    setAttribute(Qt::WA_OpaquePaintEvent, true);
    bevel_.setInnerShadow(toolkit::clGreen);
    bevel_.setInnerHighlight(toolkit::clLime);
    bevel_.setInnerColor(toolkit::clBlack);
    bevel_.setOuterShadow(toolkit::clGreen);
    bevel_.setOuterHighlight(toolkit::clLime);
    connect(&bevel_, &TInstPersistent::OnChange, this, [this] {
        AlignControls();
        update();
    });
    setColor(toolkit::clBlack);
}

void TInstBlotter::ColorChanged()
{
    // The children on it take the colour it is drawn in.
    if (palette().color(QPalette::Window) != toolkit::SchemeColor(Color(), toolkit::Tone::Picture))
        toolkit::SetPaletteColor(this, QPalette::Window, Color(), toolkit::Tone::Picture);
    update();
}

void TInstBlotter::setBackImage(const QImage& picture)
{
    backImage_ = IsEmpty(picture) ? QImage() : picture.copy();
    update();
}

void TInstBlotter::setFullRepaint(bool on)
{
    if (!StoreIfChanged(fullRepaint_, on))
        return;
    // Without a full repaint, what a resize does not repaint keeps its pixels.
    setAttribute(Qt::WA_StaticContents, !on);
}

QRect TInstBlotter::ClientRect() const
{
    toolkit::TRect r{0, 0, width(), height()};
    bevel_.AdjustRect(r);
    return QRect(r.Left, r.Top, std::max(0, r.Width()), std::max(0, r.Height()));
}

void TInstBlotter::AlignClient(QWidget* child)
{
    if (child->parentWidget() != this)
        child->setParent(this);
    clients_.append(child);
    child->setGeometry(ClientRect());
}

void TInstBlotter::AlignControls()
{
    const QRect client = ClientRect();
    clients_.removeAll(nullptr);
    for (QWidget* child : std::as_const(clients_))
        child->setGeometry(client);
}

void TInstBlotter::resizeEvent(QResizeEvent* event)
{
    if (fullRepaint_ || !event->oldSize().isValid()) {
        update();
    } else {
        for (const QRect& strip : BlotterResizeStrips(event->oldSize(), event->size(), bevel_.EdgesThickness()))
            update(strip);
    }
    AlignControls();
    TInstCustomControl::resizeEvent(event);
}

const QImage& TInstBlotter::Render()
{
    if (picture_.size() != size())
        picture_ = toolkit::CanvasImage(size(), devicePixelRatioF());
    if (picture_.isNull())
        return picture_;
    toolkit::Canvas canvas(&picture_);
    if (toolkit::NightColors())
        canvas.SetNightTone(toolkit::Tone::Picture);
    DrawBackground(canvas);
    DrawBevel(canvas);
    return picture_;
}

void TInstBlotter::DrawBackground(toolkit::Canvas& canvas)
{
    const toolkit::TRect all{0, 0, width(), height()};
    // Also under a picture: the reused picture's old pixels must not show
    // through a transparent tile.
    canvas.brush.style = toolkit::BrushStyle::Solid;
    canvas.brush.color = Color();
    canvas.FillRect(all);
    if (!backImage_.isNull())
        TileBitmap(canvas, all, backImage_);
}

void TInstBlotter::DrawBevel(toolkit::Canvas& canvas)
{
    toolkit::TRect rect{0, 0, width(), height()};
    bevel_.Draw(canvas, rect);
}

void TInstBlotter::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, Render());
}
