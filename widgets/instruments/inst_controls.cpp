#include "widgets/instruments/inst_controls.h"

#include "widgets/instruments/inst_resources.h"

#include "toolkit/color_scheme.h"

#include <QEvent>
#include <QPainter>

namespace {

// What every control and component of the library reports as its version.
const char* const kVersion = "1.3";

toolkit::TColor FromQColor(const QColor& c)
{
    return toolkit::RGB(c.red(), c.green(), c.blue());
}

}  // namespace

QCursor ScreenCursor(int number)
{
    if (number == crInstHandPoint) {
        static const QCursor day = HandPointCursor();
        static const QCursor night(toolkit::NightPixmap(day.pixmap()), day.hotSpot().x(), day.hotSpot().y());
        return toolkit::NightColors() ? night : day;
    }
    return QCursor(Qt::ArrowCursor);
}

TInstChangeLink::~TInstChangeLink()
{
    if (sender_)
        sender_->RemoveLink(this);
}

void TInstChangeLink::Change()
{
    if (OnChange)
        OnChange(sender_);
}

TInstSharedComponent::TInstSharedComponent(QObject* parent)
    : QObject(parent)
{
}

TInstSharedComponent::~TInstSharedComponent()
{
    while (!links_.isEmpty())
        RemoveLink(links_.back());
}

QString TInstSharedComponent::Version() const
{
    return QString::fromLatin1(kVersion);
}

void TInstSharedComponent::InsertLink(TInstChangeLink* link)
{
    if (link->sender_)
        link->sender_->RemoveLink(link);
    link->sender_ = this;
    links_.append(link);
}

void TInstSharedComponent::RemoveLink(TInstChangeLink* link)
{
    if (links_.removeOne(link))
        link->sender_ = nullptr;
}

void TInstSharedComponent::NotifyClients()
{
    const QList<TInstChangeLink*> snapshot = links_;
    for (TInstChangeLink* link : snapshot)
        if (links_.contains(link))
            link->Change();
}

void TInstBuffer::Begin(QSize size, qreal ratio, const std::function<void()>& drawLayer)
{
    pictureValid_ = true;
    const bool night = toolkit::NightColors();
    const auto tone = night ? std::optional(toolkit::Tone::Picture) : std::nullopt;
    if (layerValid_ && night == night_ && layer_.size() == size * ratio && layer_.devicePixelRatio() == ratio) {
        // Implicitly shared: the first drawing detaches the picture from the layer.
        image_ = layer_;
        canvas_ = std::make_unique<toolkit::Canvas>(&image_);
        canvas_->SetNightTone(tone);
        return;
    }
    night_ = night;
    image_ = toolkit::CanvasImage(size, ratio);
    canvas_ = std::make_unique<toolkit::Canvas>(&image_);
    canvas_->SetNightTone(tone);
    drawLayer();
    layer_ = image_;
    layerValid_ = true;
}

void TInstBuffer::Show(QWidget* widget) const
{
    QPainter painter(widget);
    painter.drawImage(0, 0, image_);
}

TInstGraphicControl::TInstGraphicControl(QWidget* parent)
    : QWidget(parent)
{
}

QString TInstGraphicControl::Version() const
{
    return QString::fromLatin1(kVersion);
}

toolkit::TColor TInstGraphicControl::Color() const
{
    if (parentColor_ && parentWidget())
        return FromQColor(parentWidget()->palette().color(parentWidget()->backgroundRole()));
    return color_;
}

void TInstGraphicControl::setColor(toolkit::TColor color)
{
    if (color == color_ && !parentColor_)
        return;
    color_ = color;
    parentColor_ = false;
    ColorChanged();
}

void TInstGraphicControl::setParentColor(bool on)
{
    if (!StoreIfChanged(parentColor_, on))
        return;
    ColorChanged();
}

void TInstGraphicControl::setAutoSize(bool on)
{
    if (!StoreIfChanged(autoSize_, on))
        return;
    UpdateAutoSize();
}

void TInstGraphicControl::UpdateControl()
{
    update();
}

void TInstGraphicControl::UpdateAutoSize()
{
    if (autoSize_)
        UpdateBounds();
    else
        UpdateControl();
}

void TInstGraphicControl::UpdateBounds()
{
    int w = width();
    int h = height();
    if (CanAutoSize(w, h) && QSize(w, h) != size()) {
        resize(w, h);
        return;
    }
    UpdateControl();
}

bool TInstGraphicControl::CanAutoSize(int&, int&)
{
    return true;
}

void TInstGraphicControl::changeEvent(QEvent* event)
{
    if (parentColor_
        && (event->type() == QEvent::PaletteChange || event->type() == QEvent::ParentChange))
        ColorChanged();
    QWidget::changeEvent(event);
}

TInstGraphicImageControl::TInstGraphicImageControl(QWidget* parent)
    : TInstGraphicControl(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent, true);
}

void TInstGraphicImageControl::setTransparent(bool on)
{
    if (!StoreIfChanged(transparent_, on))
        return;
    setAttribute(Qt::WA_OpaquePaintEvent, !on);
    needBackground_ = true;
    InvalidateLayer();
    UpdateControl();
}

void TInstGraphicImageControl::UpdateControl()
{
    buffer_.InvalidatePicture();
    // A repaint the control asks for itself reuses the captured background,
    // so the parent need not paint underneath.
    if (transparent_ && !background_.isNull()) {
        needBackground_ = false;
        setAttribute(Qt::WA_OpaquePaintEvent, true);
    }
    TInstGraphicControl::UpdateControl();
}

void TInstGraphicImageControl::ColorChanged()
{
    InvalidateLayer();
    UpdateControl();
}

void TInstGraphicImageControl::CaptureBackground()
{
    background_ = toolkit::CanvasImage(size(), devicePixelRatioF());
    background_.fill(toolkit::ToQColor(Color()));
    if (QWidget* parent = parentWidget())
        parent->render(&background_, QPoint(0, 0), QRegion(geometry()), QWidget::DrawWindowBackground);
    needBackground_ = false;
    InvalidateLayer();
}

void TInstGraphicImageControl::PrepareBuffer()
{
    toolkit::Canvas& canvas = DrawCanvas();
    canvas.brush.style = toolkit::BrushStyle::Solid;
    if (!transparent_) {
        canvas.brush.color = Color();
        canvas.FillRect({0, 0, width(), height()});
        return;
    }
    canvas.BitBlt(0, 0, width(), height(), background_, 0, 0);
}

const QImage& TInstGraphicImageControl::Render()
{
    if (transparent_ && (needBackground_ || background_.size() != size()))
        CaptureBackground();
    buffer_.Begin(size(), devicePixelRatioF(), [this] {
        PrepareBuffer();
        PaintStatic();
    });
    PaintDynamic();
    if (transparent_) {
        // The next paint from outside captures the background again.
        needBackground_ = true;
        setAttribute(Qt::WA_OpaquePaintEvent, false);
    }
    return buffer_.Image();
}

void TInstGraphicImageControl::paintEvent(QPaintEvent*)
{
    // A transparent control shows what the parent painted just now.
    if (transparent_ || !buffer_.PictureCurrent(size(), devicePixelRatioF()))
        Render();
    buffer_.Show(this);
}

TInstCustomControl::TInstCustomControl(QWidget* parent)
    : TInstGraphicControl(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void TInstCustomControl::setTabStop(bool on)
{
    setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus);
}

TInstCustomImageControl::TInstCustomImageControl(QWidget* parent)
    : TInstCustomControl(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent, true);
}

void TInstCustomImageControl::ColorChanged()
{
    InvalidateLayer();
    UpdateControl();
}

void TInstCustomImageControl::PrepareBuffer()
{
    toolkit::Canvas& canvas = DrawCanvas();
    canvas.brush.style = toolkit::BrushStyle::Solid;
    canvas.brush.color = Color();
    canvas.FillRect({0, 0, width(), height()});
}

const QImage& TInstCustomImageControl::Render()
{
    buffer_.Begin(size(), devicePixelRatioF(), [this] {
        PrepareBuffer();
        PaintStatic();
    });
    PaintDynamic();
    return buffer_.Image();
}

void TInstCustomImageControl::UpdateControl()
{
    buffer_.InvalidatePicture();
    TInstCustomControl::UpdateControl();
}

void TInstCustomImageControl::paintEvent(QPaintEvent*)
{
    if (!buffer_.PictureCurrent(size(), devicePixelRatioF()))
        Render();
    buffer_.Show(this);
}
