#pragma once
// A picture on a window. Either a drawing surface of the widget's size,
// created on first use of its canvas, which keeps pen, brush and font between
// drawings; or a fixed picture shown centred and scaled down to fit.

#include "toolkit/canvas.h"

#include <QWidget>
#include <memory>

namespace toolkit {

class Image : public QWidget {
    Q_OBJECT

public:
    Image(QWidget* parent, const QString& name);

    // The drawing surface; created at the widget's size on first use, with
    // the widget's font. Until then nothing is drawn and the parent shows.
    Canvas& canvas();
    bool HasPicture() const { return !picture_.isNull(); }
    const QImage& Picture() const { return picture_; }

    // Shows a fixed picture, centred, scaled down proportionally to fit.
    void ShowFitted(const QImage& picture);

    // Shows the canvas's latest drawing.
    void Refresh() { update(); }

    // Back to no picture, as at the start: the parent shows.
    void Clear();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
    std::unique_ptr<Canvas> canvas_;
    bool fitted_ = false;
};

}  // namespace toolkit
