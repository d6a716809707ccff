#include "toolkit/image.h"

#include "toolkit/color_scheme.h"

#include <QPainter>

namespace toolkit {

Image::Image(QWidget* parent, const QString& name)
    : QWidget(parent)
{
    setObjectName(name);
}

Canvas& Image::canvas()
{
    if (!canvas_) {
        picture_ = CanvasImage(size(), devicePixelRatioF());
        picture_.fill(Qt::white);
        fitted_ = false;
        canvas_ = std::make_unique<Canvas>(&picture_);
        canvas_->font = font();
    }
    return *canvas_;
}

void Image::ShowFitted(const QImage& picture)
{
    canvas_.reset();
    picture_ = picture;
    fitted_ = true;
    update();
}

void Image::Clear()
{
    canvas_.reset();
    picture_ = QImage();
    fitted_ = false;
    update();
}

void Image::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    if (!fitted_) {
        painter.drawImage(QPoint(0, 0), SchemeImage(picture_));
        return;
    }
    QSize shown = picture_.size();
    if (shown.width() > width() || shown.height() > height())
        shown = shown.scaled(size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, SchemeImage(picture_));
}

}  // namespace toolkit
