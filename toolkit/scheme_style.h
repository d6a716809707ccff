#pragma once
// The widget style of every window: Fusion, with what it draws passed
// through the colour scheme. At night Fusion's own shades (a white sheen on
// a button, a grey frame) and the pictures it draws (icons, glyphs) would
// glare; each element is drawn on a clear layer whose pixels take their
// night colours before they reach the window. The texts of an element are
// drawn after its layer, straight on the window, which renders them as
// crisply as any label; an item view's cell, whose text the style draws
// itself, is drawn straight away in the night colours of its parts. A line
// edit's caret, which
// Qt draws by inverting what lies under it (a cyan bar on night paper), is
// drawn in ink instead.

#include <QFont>
#include <QPalette>
#include <QPen>
#include <QProxyStyle>
#include <QTransform>

#include <vector>

namespace toolkit {

class SchemeStyle : public QProxyStyle {
    Q_OBJECT

public:
    SchemeStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;
    void drawItemPixmap(QPainter* painter, const QRect& rect, int alignment, const QPixmap& pixmap) const override;
    void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette, bool enabled,
                      const QString& text, QPalette::ColorRole textRole = QPalette::NoRole) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Runs draw on a layer over rect at night, or straight on the painter.
    template <typename Draw>
    void Layered(QPainter* painter, const QRect& rect, Draw draw) const;

    // Elements drawn inside an element share its layer.
    mutable int depth_ = 0;
    // A text of the element on the layer, to be drawn after it.
    struct Text {
        QTransform transform;
        QFont font;
        QPen pen;
        QRect rect;
        int flags;
        QPalette palette;
        bool enabled;
        QString text;
        QPalette::ColorRole role;
    };
    mutable std::vector<Text> texts_;
    // A line edit painting itself before its night caret is drawn.
    QObject* painting_ = nullptr;
};

}  // namespace toolkit
