#include "toolkit/speed_button.h"

#include "toolkit/color_scheme.h"

#include <QKeyEvent>
#include <QPainter>

namespace toolkit {

SpeedButton::SpeedButton(QWidget* parent, const QString& name, const QString& caption,
                         const QPixmap& glyph, GlyphPlace place)
    : QToolButton(parent)
{
    setObjectName(name);
    setText(caption);
    setFocusPolicy(Qt::NoFocus);
    setAutoRaise(false);
    if (!glyph.isNull()) {
        SetSchemeIcon(this, glyph, Tone::Glyph);
        setIconSize(glyph.deviceIndependentSize().toSize());
    }
    if (caption.isEmpty())
        setToolButtonStyle(Qt::ToolButtonIconOnly);
    else
        setToolButtonStyle(place == GlyphPlace::Top ? Qt::ToolButtonTextUnderIcon
                                                    : Qt::ToolButtonTextBesideIcon);
}

void SpeedButton::keyPressEvent(QKeyEvent* event)
{
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && plain && isEnabled()) {
        click();
        return;
    }
    QToolButton::keyPressEvent(event);
}

void SpeedButton::paintEvent(QPaintEvent* event)
{
    QToolButton::paintEvent(event);
    if (!hasFocus())
        return;
    constexpr int kFocusInset = 3;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::ButtonText), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(kFocusInset, kFocusInset, -kFocusInset - 1, -kFocusInset - 1));
}

SpeedButton* TextButton(QWidget* parent, const QString& name, const QString& caption, const QRect& place)
{
    auto* button = new SpeedButton(parent, name, caption, QPixmap());
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setGeometry(place);
    return button;
}

}  // namespace toolkit
