#include "toolkit/scheme_style.h"

#include "toolkit/color_scheme.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

namespace toolkit {

namespace {

// Room around an element's rectangle for what the style draws just outside
// it (a tab's edge over the page, a focus frame).
constexpr int kLayerMargin = 4;

}  // namespace

SchemeStyle::SchemeStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
    qApp->installEventFilter(this);
    // A line edit takes its caret's width from the style when the style changes.
    connect(&ColorScheme::instance(), &ColorScheme::NightChanged, this, [] {
        for (QWidget* widget : QApplication::allWidgets())
            if (qobject_cast<QLineEdit*>(widget)) {
                QEvent change(QEvent::StyleChange);
                QCoreApplication::sendEvent(widget, &change);
            }
    });
}

template <typename Draw>
void SchemeStyle::Layered(QPainter* painter, const QRect& rect, Draw draw) const
{
    if (!NightColors() || depth_ > 0 || rect.isEmpty() || !painter->device()) {
        draw(painter);
        return;
    }
    const QRect area = rect.adjusted(-kLayerMargin, -kLayerMargin, kLayerMargin, kLayerMargin);
    const qreal ratio = painter->device()->devicePixelRatioF();
    QImage layer(area.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(ratio);
    layer.fill(Qt::transparent);
    {
        QPainter on(&layer);
        on.setRenderHints(painter->renderHints());
        on.setFont(painter->font());
        on.setPen(painter->pen());
        on.setBrush(painter->brush());
        on.setLayoutDirection(painter->layoutDirection());
        on.translate(-area.topLeft());
        ++depth_;
        draw(&on);
        --depth_;
    }
    painter->drawImage(area.topLeft(), NightImage(layer));
    const QTransform onWindow = QTransform::fromTranslate(area.x(), area.y()) * painter->transform();
    for (const Text& t : texts_) {
        painter->save();
        painter->setTransform(t.transform * onWindow);
        painter->setFont(t.font);
        painter->setPen(QPen(SchemeColor(t.pen.color(), Tone::Ink)));
        QProxyStyle::drawItemText(painter, t.rect, t.flags, SchemePalette(t.palette), t.enabled, t.text, t.role);
        painter->restore();
    }
    texts_.clear();
}

void SchemeStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const
{
    Layered(painter, option->rect,
            [&](QPainter* p) { QProxyStyle::drawPrimitive(element, option, p, widget); });
}

void SchemeStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const
{
    const auto* cell = qstyleoption_cast<const QStyleOptionViewItem*>(option);
    if (cell && element == CE_ItemViewItem && NightColors() && depth_ == 0) {
        QStyleOptionViewItem night(*cell);
        night.palette = SchemePalette(cell->palette);
        night.backgroundBrush.setColor(SchemeColor(cell->backgroundBrush.color(), Tone::Paper));
        if (!cell->icon.isNull())
            night.icon = QIcon(NightPixmap(cell->icon.pixmap(cell->decorationSize)));
        QProxyStyle::drawControl(element, &night, painter, widget);
        return;
    }
    Layered(painter, option->rect, [&](QPainter* p) { QProxyStyle::drawControl(element, option, p, widget); });
}

void SchemeStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                     const QWidget* widget) const
{
    Layered(painter, option->rect,
            [&](QPainter* p) { QProxyStyle::drawComplexControl(control, option, p, widget); });
}

void SchemeStyle::drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette,
                               bool enabled, const QString& text, QPalette::ColorRole textRole) const
{
    if (depth_ > 0)
        texts_.push_back({painter->transform(), painter->font(), painter->pen(), rect, flags, palette, enabled, text,
                          textRole});
    else
        QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, textRole);
}

int SchemeStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    if (metric == PM_TextCursorWidth && NightColors())
        return 0;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

bool SchemeStyle::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Paint || watched == painting_ || !NightColors())
        return QProxyStyle::eventFilter(watched, event);
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (!edit || edit->style() != this)
        return QProxyStyle::eventFilter(watched, event);
    painting_ = edit;
    QCoreApplication::sendEvent(edit, event);
    painting_ = nullptr;
    if (edit->hasFocus() && !edit->isReadOnly() && !edit->hasSelectedText()) {
        const QRect caret = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        QPainter painter(edit);
        painter.setPen(edit->palette().color(QPalette::Text));
        painter.drawLine(caret.center().x(), caret.top(), caret.center().x(), caret.bottom());
    }
    return true;
}

void SchemeStyle::drawItemPixmap(QPainter* painter, const QRect& rect, int alignment, const QPixmap& pixmap) const
{
    QProxyStyle::drawItemPixmap(painter, rect, alignment, depth_ > 0 ? pixmap : SchemePixmap(pixmap));
}

}  // namespace toolkit
