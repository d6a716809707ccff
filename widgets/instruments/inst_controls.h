#pragma once
// The base classes of the instrument widgets: change links between a shared
// component and the widgets that use it, the double-buffered controls, the
// subrange bounds of published integer properties and the hand cursor.
//
// Every control composes its whole picture in an off-screen buffer and shows
// it with one copy, so a repaint never shows partial drawing. The steps that
// do not change with the widget's value are drawn once into a cached layer;
// a paint starts from a copy of that layer and adds the moving parts.

#include "toolkit/canvas.h"
#include "toolkit/color.h"

#include <QCursor>
#include <QImage>
#include <QList>
#include <QObject>
#include <QWidget>
#include <climits>
#include <functional>
#include <memory>

// The integer subranges of published properties. A setter ignores a value
// outside its subrange.
struct TInstSubrange {
    long long min;
    long long max;
    constexpr bool Contains(long long v) const { return v >= min && v <= max; }
};

inline constexpr TInstSubrange TInstPercentInt{0, 100};
inline constexpr TInstSubrange TInstWordInt{0, INT_MAX};
inline constexpr TInstSubrange TInstDegrees{0, 360};
inline constexpr TInstSubrange TInstBevelWidth{1, INT_MAX};
inline constexpr TInstSubrange TInstBorderWidth{0, INT_MAX};
inline constexpr TInstSubrange TInstBevelSpace{0, INT_MAX};
inline constexpr TInstSubrange TInstNumGlyphs{1, 4};

enum class TInstOrientation { voVertical, voHorizontal };

// Stores a different value and says so; an equal value is left alone.
template <class T>
bool StoreIfChanged(T& field, const T& value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

// The number of the hand cursor in the screen cursor table.
inline constexpr int crInstHandPoint = 99;

// The screen cursor table: the hand cursor under its number, the arrow for
// any number not registered.
QCursor ScreenCursor(int number);

class TInstSharedComponent;

// A widget's registration with a shared component. Destroying the link
// unregisters it.
class TInstChangeLink {
public:
    TInstChangeLink() = default;
    ~TInstChangeLink();
    TInstChangeLink(const TInstChangeLink&) = delete;
    TInstChangeLink& operator=(const TInstChangeLink&) = delete;

    // The component the link is registered with, or none.
    TInstSharedComponent* Sender() const { return sender_; }
    std::function<void(TInstSharedComponent*)> OnChange;

    void Change();

private:
    friend class TInstSharedComponent;
    TInstSharedComponent* sender_ = nullptr;
};

// A component that several widgets use at once (the bitmap list); it tells
// every registered link of a change, in the order of registration.
class TInstSharedComponent : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Version READ Version CONSTANT)

public:
    explicit TInstSharedComponent(QObject* parent = nullptr);
    // Unregisters the remaining links, last first.
    ~TInstSharedComponent() override;

    QString Version() const;

    void InsertLink(TInstChangeLink* link);
    // A link that is not registered here is ignored.
    void RemoveLink(TInstChangeLink* link);
    // Walks a copy of the list, so a link may unregister while it is told.
    void NotifyClients();
    qsizetype LinkCount() const { return links_.size(); }

private:
    QList<TInstChangeLink*> links_;
};

// The off-screen picture of a control and its cached static layer.
class TInstBuffer {
public:
    QImage& Image() { return image_; }
    toolkit::Canvas& Canvas() { return *canvas_; }

    // Starts a picture of the given logical size at the screen's device
    // pixel ratio: a copy of the cached layer, or, when the layer is out of
    // date, a fresh one drawn by `drawLayer` and kept as the new layer. The
    // picture counts as current from here on. At night everything is drawn
    // in its night colours (the layer too, once per switch), so that a
    // repaint costs what it costs by day.
    void Begin(QSize size, qreal ratio, const std::function<void()>& drawLayer);
    void InvalidateLayer()
    {
        layerValid_ = false;
        pictureValid_ = false;
    }
    // The picture no longer shows the control: composed again before the next paint.
    void InvalidatePicture() { pictureValid_ = false; }
    // Whether the last picture still shows a control of this size, so that
    // a paint that Qt asks for (an overlapping sibling, an expose) can reuse it.
    bool PictureCurrent(QSize size, qreal ratio) const
    {
        return pictureValid_ && image_.size() == size * ratio && image_.devicePixelRatio() == ratio
               && night_ == toolkit::NightColors();
    }
    // Copies the picture onto the widget, in its paint event.
    void Show(QWidget* widget) const;

private:
    QImage image_;
    QImage layer_;
    std::unique_ptr<toolkit::Canvas> canvas_;
    bool layerValid_ = false;
    bool pictureValid_ = false;
    // The colours the layer and the picture were drawn in.
    bool night_ = false;
};

// The windowless kind of control: the compass and the meters. It takes no
// keyboard focus.
class TInstGraphicControl : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Version READ Version CONSTANT)
    Q_PROPERTY(toolkit::TColor Color READ Color WRITE setColor)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE setParentColor)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE setAutoSize)

public:
    explicit TInstGraphicControl(QWidget* parent = nullptr);

    QString Version() const;
    // With ParentColor, the parent's background colour.
    toolkit::TColor Color() const;
    void setColor(toolkit::TColor color);
    bool ParentColor() const { return parentColor_; }
    void setParentColor(bool on);
    bool AutoSize() const { return autoSize_; }
    void setAutoSize(bool on);

    // Repaint after a property change.
    virtual void UpdateControl();
    // With AutoSize: take the size the contents want; otherwise repaint.
    void UpdateAutoSize();
    // Take the size the contents want; a control whose size did not change
    // repaints (a new size repaints by itself).
    void UpdateBounds();

protected:
    // The size the contents want; the default keeps the given one.
    virtual bool CanAutoSize(int& width, int& height);
    // Called when Color (own or the parent's) may have changed.
    virtual void ColorChanged() { UpdateControl(); }
    void changeEvent(QEvent* event) override;

private:
    toolkit::TColor color_ = toolkit::clBtnFace;
    bool parentColor_ = false;
    bool autoSize_ = false;
};

// Double-buffered windowless control with optional transparency: where the
// drawing leaves the background, what the parent painted under the control
// shows. The background is captured from the parent when the paint comes
// from outside, and reused for the control's own repaints.
class TInstGraphicImageControl : public TInstGraphicControl {
    Q_OBJECT
    Q_PROPERTY(bool Transparent READ Transparent WRITE setTransparent)

public:
    explicit TInstGraphicImageControl(QWidget* parent = nullptr);

    bool Transparent() const { return transparent_; }
    void setTransparent(bool on);

    // Composes the whole picture and returns it; the next paint shows it.
    const QImage& Render();
    void UpdateControl() override;
    bool NeedBackground() const { return needBackground_; }

protected:
    // The first step of every paint: the buffer filled with Color, or with
    // the background captured from the parent when transparent.
    virtual void PrepareBuffer();
    // Drawing steps that do not change with the value, on DrawCanvas(); kept
    // until InvalidateLayer().
    virtual void PaintStatic() {}
    // The remaining drawing steps, on DrawCanvas(), on a copy of the layer.
    virtual void PaintDynamic() = 0;
    toolkit::Canvas& DrawCanvas() { return buffer_.Canvas(); }
    void InvalidateLayer() { buffer_.InvalidateLayer(); }
    void ColorChanged() override;
    void paintEvent(QPaintEvent* event) override;

private:
    void CaptureBackground();

    TInstBuffer buffer_;
    QImage background_;
    bool needBackground_ = true;
    bool transparent_ = false;
};

// The windowed kind of control: the track bar and the slider. It takes the
// keyboard focus on a click or the Tab key when it is a tab stop.
class TInstCustomControl : public TInstGraphicControl {
    Q_OBJECT
    Q_PROPERTY(bool TabStop READ TabStop WRITE setTabStop)

public:
    explicit TInstCustomControl(QWidget* parent = nullptr);

    bool TabStop() const { return focusPolicy() != Qt::NoFocus; }
    void setTabStop(bool on);
};

// Double-buffered windowed control; always opaque.
class TInstCustomImageControl : public TInstCustomControl {
    Q_OBJECT

public:
    explicit TInstCustomImageControl(QWidget* parent = nullptr);

    // Composes the whole picture and returns it; the next paint shows it.
    const QImage& Render();
    void UpdateControl() override;

protected:
    // The buffer at the control's size, filled with Color.
    virtual void PrepareBuffer();
    virtual void PaintStatic() {}
    virtual void PaintDynamic() = 0;
    toolkit::Canvas& DrawCanvas() { return buffer_.Canvas(); }
    toolkit::Canvas& BufferCanvas() { return buffer_.Canvas(); }
    void InvalidateLayer() { buffer_.InvalidateLayer(); }
    void ColorChanged() override;
    void paintEvent(QPaintEvent* event) override;

private:
    TInstBuffer buffer_;
};
