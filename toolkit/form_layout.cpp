#include "toolkit/form_layout.h"

#include <QFont>
#include <QGroupBox>
#include <QLabel>

namespace toolkit {

void SetBackground(QWidget* widget, TColor color)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, ToQColor(color));
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

void SetTextColor(QWidget* widget, TColor color)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, ToQColor(color));
    widget->setPalette(p);
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, int x, int y,
                  TColor color, const QFont& font)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    SetTextColor(label, color);
    label->adjustSize();
    label->move(x, y);
    return label;
}

QGroupBox* MakeGroupBox(QWidget* parent, const QString& name, const QString& caption, int x, int y,
                        int width, int height, TColor captionColor, const QFont& font)
{
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(name);
    box->setFont(font);
    SetTextColor(box, captionColor);
    box->setGeometry(x, y, width, height);
    return box;
}

}  // namespace toolkit
