#include "widgets/instruments/inst_slider.h"

#include "widgets/instruments/inst_drawing.h"
#include "widgets/instruments/inst_resources.h"

#include <QKeyEvent>
#include <algorithm>

namespace {

constexpr QSize kDefaultSize(36, 171);
constexpr int kDefaultInnerWidth = 2;

}  // namespace

TInstSlider::TInstSlider(QWidget* parent)
    : TInstThumbControl(TInstOrientation::voVertical, parent)
{
    resize(kDefaultSize);
    setColor(toolkit::clBlack);
    bevel_.setInnerStyle(TInstBevelStyle::bsLowered);
    bevel_.setInnerWidth(kDefaultInnerWidth);
    bevel_.setInnerColor(toolkit::clBlack);
    connect(&bevel_, &TInstPersistent::OnChange, this, &TInstSlider::ChangeImages);
    connect(&palette_, &TInstPersistent::OnChange, this, &TInstSlider::ChangeImages);
    LoadThumb();
}

TInstThumbControl::ThumbBehaviour TInstSlider::Behaviour() const
{
    return {options_.testFlag(TInstSliderOption::soActiveClick), options_.testFlag(TInstSliderOption::soMouseClip),
            options_.testFlag(TInstSliderOption::soHandPoint), options_.testFlag(TInstSliderOption::soThumbOpaque), 0};
}

long long TInstSlider::TrackMargin() const
{
    return static_cast<long long>(borderWidth_) + thumbIndent_;
}

TInstProgressStyle TInstSlider::TrackStyle() const
{
    return style_ == TInstSliderStyle::ssTopRight ? TInstProgressStyle::psTopRight : TInstProgressStyle::psBottomLeft;
}

QImage TInstSlider::BuiltInThumb() const
{
    // The slot lies across the channel.
    return InstResourceBitmap(Orientation() == TInstOrientation::voHorizontal
                                  ? QStringLiteral("INSTSLIDERTHUMB_VERT")
                                  : QStringLiteral("INSTSLIDERTHUMB_HORI"));
}

void TInstSlider::ChangeImages()
{
    imagesValid_ = false;
    ChangeLayout();
}

void TInstSlider::setSpacing(int pixels)
{
    if (pixels >= 0)
        SetImageProperty(spacing_, pixels);
}

void TInstSlider::setTickWidth(int pixels)
{
    if (pixels >= 1)
        SetImageProperty(tickWidth_, pixels);
}

void TInstSlider::setSolidFill(bool on)
{
    SetImageProperty(solidFill_, on);
}

void TInstSlider::setStyle(TInstSliderStyle style)
{
    SetImageProperty(style_, style);
}

void TInstSlider::setBorderWidth(int pixels)
{
    if (pixels >= 0)
        SetImageProperty(borderWidth_, pixels);
}

void TInstSlider::setOptions(TInstSliderOptions options)
{
    if (StoreIfChanged(options_, options))
        UpdateControl();
}

void TInstSlider::setBorderColor(toolkit::TColor color)
{
    if (StoreIfChanged(borderColor_, color))
        ChangeLayout();
}

void TInstSlider::setFocusColor(toolkit::TColor color)
{
    if (StoreIfChanged(focusColor_, color))
        ChangeLayout();
}

void TInstSlider::setThumbIndent(int pixels)
{
    if (pixels >= 0 && StoreIfChanged(thumbIndent_, pixels))
        ChangeLayout();
}

void TInstSlider::resizeEvent(QResizeEvent* event)
{
    ChangeImages();
    TInstThumbControl::resizeEvent(event);
}

void TInstSlider::keyPressEvent(QKeyEvent* event)
{
    MoveByKey(event, MinValue(), MaxValue(), keyIncrement_);
    TInstThumbControl::keyPressEvent(event);
}

toolkit::TRect TInstSlider::ChannelRect() const
{
    return SliderChannelRect(size(), borderWidth_, bevel_.Thickness());
}

const QImage& TInstSlider::LowImage()
{
    if (!imagesValid_)
        RebuildImages();
    return low_;
}

const QImage& TInstSlider::HighImage()
{
    if (!imagesValid_)
        RebuildImages();
    return high_;
}

void TInstSlider::RebuildImages()
{
    imagesValid_ = true;
    const toolkit::TRect channel = ChannelRect();
    const QSize size(std::max(0, channel.Width()), std::max(0, channel.Height()));
    low_ = toolkit::CanvasImage(size, devicePixelRatioF());
    high_ = toolkit::CanvasImage(size, devicePixelRatioF());
    FillSegments(low_, palette_.Colors(0));
    FillSegments(high_, palette_.Colors(1));
}

void TInstSlider::FillSegments(QImage& image, toolkit::TColor colour) const
{
    if (image.isNull())
        return;
    image.fill(toolkit::ToQColor(Color()));
    toolkit::Canvas canvas(&image);
    const std::vector<SliderBar> bars =
        SliderBars(canvas.Width(), canvas.Height(), tickWidth_, spacing_, Orientation(), style_);
    if (bars.empty())
        return;
    canvas.brush.style = toolkit::BrushStyle::Solid;
    canvas.brush.color = colour;
    // A checkered bar is copied from one bar's worth of the checker, which
    // starts afresh at each bar's corner. A bar beyond the image needs no
    // more of it than the image and one pattern.
    QImage checker;
    QSize checkerSize;
    if (!solidFill_) {
        const SliderBar& first = bars.front();
        const long long width = std::min<long long>(first.right - first.left, canvas.Width() + kDitherSize);
        const long long height = std::min<long long>(first.bottom - first.top, canvas.Height() + kDitherSize);
        checkerSize = QSize(static_cast<int>(width), static_cast<int>(height));
        checker = toolkit::CanvasImage(checkerSize, canvas.Ratio());
        toolkit::Canvas scratch(&checker);
        TileBitmap(scratch, {0, 0, checkerSize.width(), checkerSize.height()}, CreateDitherBitmap(colour, Color()));
    }
    for (const SliderBar& bar : bars) {
        const long long left = std::max<long long>(bar.left, 0);
        const long long top = std::max<long long>(bar.top, 0);
        const long long right = std::min<long long>(bar.right, canvas.Width());
        const long long bottom = std::min<long long>(bar.bottom, canvas.Height());
        if (left >= right || top >= bottom)
            continue;
        if (solidFill_) {
            canvas.FillRect({static_cast<int>(left), static_cast<int>(top), static_cast<int>(right),
                             static_cast<int>(bottom)});
            continue;
        }
        // Where the visible part lies in the bar, kept in phase with the pattern.
        const auto source = [](long long skipped, long long visible, int checkerLength) {
            return skipped + visible <= checkerLength ? skipped : skipped % kDitherSize;
        };
        canvas.BitBlt(static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
                      static_cast<int>(bottom - top), checker,
                      static_cast<int>(source(left - bar.left, right - left, checkerSize.width())),
                      static_cast<int>(source(top - bar.top, bottom - top, checkerSize.height())));
    }
}

void TInstSlider::PaintStatic()
{
    DrawChannel();
}

void TInstSlider::PaintDynamic()
{
    DrawHighPart();
    DrawThumb();
}

void TInstSlider::DrawFrame(toolkit::Canvas& canvas, toolkit::TRect& rect) const
{
    if (borderWidth_ <= 0)
        return;
    const toolkit::TColor colour = hasFocus() ? focusColor_ : borderColor_;
    DrawFrame3D(canvas, rect, colour, colour, borderWidth_);
}

void TInstSlider::DrawChannel()
{
    toolkit::Canvas& canvas = BufferCanvas();
    toolkit::TRect rect{0, 0, width(), height()};
    DrawFrame(canvas, rect);
    bevel_.Draw(canvas, rect);
    const QImage& low = LowImage();
    if (!low.isNull())
        canvas.Draw(rect.Left, rect.Top, low);
}

void TInstSlider::DrawHighPart()
{
    const QImage& high = HighImage();
    if (high.isNull())
        return;
    const toolkit::TRect channel = ChannelRect();
    const toolkit::TRect part = SliderHighPart(channel, ThumbRect(), Orientation(), style_);
    BufferCanvas().BitBlt(part.Left, part.Top, part.Width(), part.Height(), high, part.Left - channel.Left,
                          part.Top - channel.Top);
}
