#pragma once
// TInstBlotter: a container panel with a bevelled frame and an optional
// picture tiled over it. A child given to AlignClient fills the area inside
// the frame, and follows it at once when the panel is resized or the frame
// changes. The panel's Color is also its palette's window colour, so that
// children that fill their background with it match the panel.
//
// The window system's docking, which the panel could answer to, has no
// counterpart here.

#include "widgets/instruments/inst_classes.h"
#include "widgets/instruments/inst_controls.h"

#include <QImage>
#include <QList>
#include <QPointer>
#include <QRect>
#include <vector>

// What a resize repaints when the panel does not repaint whole: a strip as
// thick as `frame` plus one along the right edge when the width changes,
// and along the bottom when the height changes, both in the size before
// the resize. None for a frame of 0 or less.
std::vector<QRect> BlotterResizeStrips(QSize before, QSize after, long long frame);

class TInstBlotter : public TInstCustomControl {
    Q_OBJECT
    Q_PROPERTY(TInstBevel* Bevel READ Bevel)
    Q_PROPERTY(QImage BackImage READ BackImage WRITE setBackImage)
    Q_PROPERTY(bool FullRepaint READ FullRepaint WRITE setFullRepaint)

public:
    // 185 x 75, black, framed in green and lime.
    explicit TInstBlotter(QWidget* parent = nullptr);

    TInstBevel* Bevel() { return &bevel_; }
    // Copies the given bevel.
    void setBevel(const TInstBevel& bevel) { bevel_.Assign(bevel); }
    const QImage& BackImage() const { return backImage_; }
    // Copies the picture; one without width or height counts as none.
    void setBackImage(const QImage& picture);
    // Off: a resize repaints only the strips where the frame was (the
    // rest keeps its pixels).
    bool FullRepaint() const { return fullRepaint_; }
    void setFullRepaint(bool on);

    // The area inside the frame, where client children go.
    QRect ClientRect() const;
    // The child fills ClientRect from now on.
    void AlignClient(QWidget* child);

    // The panel's own picture (without its children); the next paint shows it.
    const QImage& Render();

protected:
    void ColorChanged() override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Client children to ClientRect, after the frame or the size changed.
    void AlignControls();

    void DrawBackground(toolkit::Canvas& canvas);
    void DrawBevel(toolkit::Canvas& canvas);

    TInstBevel bevel_;
    QImage backImage_;
    bool fullRepaint_ = true;
    QList<QPointer<QWidget>> clients_;
    QImage picture_;
};
