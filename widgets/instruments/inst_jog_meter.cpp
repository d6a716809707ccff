#include "widgets/instruments/inst_jog_meter.h"

#include "toolkit/fonts.h"
#include "widgets/instruments/inst_drawing.h"
#include "widgets/instruments/inst_jog_scale.h"
#include "widgets/instruments/inst_resources.h"

#include <QEvent>

namespace {

constexpr QSize kDefaultSize(160, 40);
constexpr int kDefaultFontPixels = 11;
constexpr int kTriangleHalfWidth = 5;
const QString kMarkerName = QStringLiteral("TIWPIN");
// A scale that wanders far keeps no more label pictures than this.
constexpr qsizetype kMaxLabelPictures = 256;

bool IsEmpty(const QImage& image)
{
    return image.isNull() || image.width() == 0 || image.height() == 0;
}

}  // namespace

TInstJogMeterScale::TInstJogMeterScale(QObject* parent)
    : TInstPersistent(parent)
{
}

TInstLiniarIndicator::TInstLiniarIndicator(QObject* parent)
    : TInstPersistent(parent)
    , bitmap_(InstResourceBitmap(kMarkerName))
{
}

void TInstLiniarIndicator::setBitmap(const QImage& bitmap)
{
    bitmap_ = IsEmpty(bitmap) ? InstResourceBitmap(kMarkerName) : bitmap;
    Changed();
}

TInstJogMeter::TInstJogMeter(QWidget* parent)
    : TInstGraphicImageControl(parent)
{
    resize(kDefaultSize);
    setColor(toolkit::clBlack);
    setFont(toolkit::UiFont(kDefaultFontPixels));
    scale_.setColor(toolkit::clBlack);
    scale_.setApperture(60);
    scale_.setPosition(TInstPosition::voBefore);
    scale_.setSmallStep(2);
    scale_.setHeightMax(15);
    scale_.setHeightMin(8);
    indicator_.setShape(TInstIndicatorShape::voLine);
    indicator_.setColor(toolkit::clRed);
    // The caption's place depends on the scale's side, so a scale change redraws the layer.
    connect(&scale_, &TInstPersistent::OnChange, this, &TInstJogMeter::ChangeLayout);
    connect(&indicator_, &TInstPersistent::OnChange, this, &TInstJogMeter::UpdateControl);
}

void TInstJogMeter::ChangeLayout()
{
    labelPictures_.clear();
    InvalidateLayer();
    UpdateControl();
}

void TInstJogMeter::setDirection(TInstDirection direction)
{
    if (!StoreIfChanged(direction_, direction))
        return;
    resize(height(), width());
    ChangeLayout();
}

void TInstJogMeter::setShowCaption(bool on)
{
    if (StoreIfChanged(showCaption_, on))
        ChangeLayout();
}

void TInstJogMeter::setCaption(const QString& caption)
{
    if (StoreIfChanged(caption_, caption))
        ChangeLayout();
}

void TInstJogMeter::setFromColor(toolkit::TColor color)
{
    if (StoreIfChanged(fromColor_, color))
        ChangeLayout();
}

void TInstJogMeter::setToColor(toolkit::TColor color)
{
    if (StoreIfChanged(toColor_, color))
        ChangeLayout();
}

void TInstJogMeter::setFontColor(toolkit::TColor color)
{
    if (StoreIfChanged(fontColor_, color))
        ChangeLayout();
}

void TInstJogMeter::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        ChangeLayout();
    TInstGraphicImageControl::changeEvent(event);
}

QString TInstJogMeter::FormatLabel(double v) const
{
    return JogLabelText(scale_.FormatText(), JogNumberText(v, scale_.Decimals()));
}

int TInstJogMeter::BaseLine() const
{
    if (scale_.Position() == TInstPosition::voBefore)
        return 0;
    return Horizontal() ? height() : width();
}

void TInstJogMeter::PaintStatic()
{
    DrawBackground();
    DrawCaption();
}

void TInstJogMeter::PaintDynamic()
{
    DrawLabels();
    DrawTicks();
    DrawIndicator();
}

void TInstJogMeter::DrawBackground()
{
    DrawGradient(DrawCanvas(), {0, 0, width(), height()}, fromColor_, toColor_,
                 Horizontal() ? TInstGradientStyle::gsHorizontalCenter : TInstGradientStyle::gsVerticalCenter, 1);
}

void TInstJogMeter::DrawTextAt(int left, int bottom, const QString& text)
{
    toolkit::Canvas& canvas = DrawCanvas();
    canvas.TextOut(left, bottom - canvas.TextHeight(text), text);
}

const QImage& TInstJogMeter::LabelPicture(const QString& text)
{
    const qreal ratio = DrawCanvas().Ratio();
    const auto found = labelPictures_.constFind(text);
    if (found != labelPictures_.constEnd() && found->devicePixelRatio() == ratio)
        return *found;
    if (labelPictures_.size() >= kMaxLabelPictures)
        labelPictures_.clear();
    return *labelPictures_.insert(text, TextPicture(font(), fontColor_, text, ratio));
}

void TInstJogMeter::DrawCaption()
{
    if (!showCaption_)
        return;
    toolkit::Canvas& canvas = DrawCanvas();
    canvas.brush.style = toolkit::BrushStyle::Clear;
    canvas.font = font();
    canvas.fontColor = fontColor_;
    const int left = width() / 2 - canvas.TextWidth(caption_) / 2;
    const bool atBottom = scale_.Position() == TInstPosition::voBefore && Horizontal();
    DrawTextAt(left, atBottom ? height() : canvas.TextHeight(caption_), caption_);
}

void TInstJogMeter::DrawLabels()
{
    if (!scale_.Visible())
        return;
    const bool before = scale_.Position() == TInstPosition::voBefore;
    const long long base = BaseLine();
    const long long heightMax = scale_.HeightMax();
    for (const JogScaleMark& mark :
         JogScaleMarks(indicator_.Value(), scale_.Apperture(), scale_.Step(), Extent())) {
        const QImage& picture = LabelPicture(FormatLabel(mark.value));
        const long long tw = std::lround(picture.deviceIndependentSize().width());
        const long long th = std::lround(picture.deviceIndependentSize().height());
        long long left = 0;
        long long top = 0;
        if (Horizontal()) {
            left = mark.pixel - tw / 2;
            top = before ? base + heightMax : base - heightMax - th;
        } else {
            top = mark.pixel - th / 2;
            left = before ? base + heightMax : base - heightMax - tw;
        }
        DrawOpaquePixels(DrawCanvas(), ClampCoordinate(left), ClampCoordinate(top), picture);
    }
}

void TInstJogMeter::DrawTicks()
{
    if (!scale_.Visible())
        return;
    toolkit::Canvas& canvas = DrawCanvas();
    canvas.pen.mode = toolkit::PenMode::Copy;
    canvas.pen.color = scale_.Color();
    canvas.pen.width = 1;
    DrawTickSet(scale_.SmallStep(), scale_.HeightMin());
    DrawTickSet(scale_.Step(), scale_.HeightMax());
}

void TInstJogMeter::DrawTickSet(double step, int length)
{
    toolkit::Canvas& canvas = DrawCanvas();
    const long long base = BaseLine();
    const long long end = base + static_cast<long long>(Inward()) * length;
    for (const JogScaleMark& mark : JogScaleMarks(indicator_.Value(), scale_.Apperture(), step, Extent())) {
        if (Horizontal())
            DrawClippedLine(canvas, mark.pixel, base, mark.pixel, end);
        else
            DrawClippedLine(canvas, base, mark.pixel, end, mark.pixel);
    }
}

void TInstJogMeter::DrawIndicator()
{
    if (!indicator_.Visible())
        return;
    toolkit::Canvas& canvas = DrawCanvas();
    const int c = Horizontal() ? width() / 2 : height() / 2;
    const long long base = BaseLine();
    const long long depth = base + static_cast<long long>(Inward()) * scale_.HeightMin();
    switch (indicator_.Shape()) {
    case TInstIndicatorShape::voLine:
        canvas.pen.color = indicator_.Color();
        if (Horizontal())
            DrawClippedLine(canvas, c, 0, c, height());
        else
            DrawClippedLine(canvas, width(), c, 0, c);
        return;
    case TInstIndicatorShape::voTriangle: {
        canvas.brush.style = toolkit::BrushStyle::Solid;
        canvas.brush.color = indicator_.Color();
        canvas.pen.color = scale_.Color();
        if (Horizontal())
            DrawClippedPolygon(canvas, {{c, base}, {c - kTriangleHalfWidth, depth}, {c + kTriangleHalfWidth, depth}});
        else
            DrawClippedPolygon(canvas, {{base, c}, {depth, c - kTriangleHalfWidth}, {depth, c + kTriangleHalfWidth}});
        return;
    }
    case TInstIndicatorShape::voBitmap:
        DrawBitmapMarker(c);
        return;
    }
}

void TInstJogMeter::DrawBitmapMarker(int c)
{
    const QImage& bitmap = indicator_.Bitmap();
    if (IsEmpty(bitmap))
        return;
    const int bw = bitmap.width();
    const int bh = bitmap.height();
    const bool before = scale_.Position() == TInstPosition::voBefore;
    const long long heightMin = scale_.HeightMin();
    // The marker points into the scale: on the far side it is mirrored.
    QImage picture = bitmap;
    toolkit::TRect dest;
    if (Horizontal()) {
        const int left = c - bw / 2;
        if (before) {
            dest = {left, 0, left + bw, bh};
        } else {
            picture = bitmap.mirrored(false, true);
            dest = {left, height() - bh, left + bw, height()};
        }
    } else {
        const int top = c - bh / 2;
        if (before) {
            picture = bitmap.mirrored(true, false);
            const int right = ClampCoordinate(heightMin);
            dest = {right - bw, top, right, top + bh};
        } else {
            const int left = ClampCoordinate(width() - heightMin);
            dest = {left, top, left + bw, top + bh};
        }
    }
    DrawBitmap(DrawCanvas(), dest, picture, BitmapRect(picture), true, TransparentColor(bitmap));
}
