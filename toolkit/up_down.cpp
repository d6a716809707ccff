#include "toolkit/up_down.h"

#include "toolkit/accessible_names.h"
#include "toolkit/color_scheme.h"

#include <QToolButton>
#include <algorithm>

namespace toolkit {

namespace {

constexpr int kRepeatDelayMs = 400;
constexpr int kRepeatIntervalMs = 100;

QToolButton* MakeArrow(QWidget* parent, Qt::ArrowType arrow)
{
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    button->setAutoRepeatDelay(kRepeatDelayMs);
    button->setAutoRepeatInterval(kRepeatIntervalMs);
    // Black arrows whatever colour the surrounding text has.
    SetPaletteColor(button, QPalette::ButtonText, clBlack);
    SetPaletteColor(button, QPalette::WindowText, clBlack);
    return button;
}

}  // namespace

UpDown::UpDown(QWidget* parent, const QString& name, int min, int max, int position)
    : QWidget(parent)
    , min_(min)
    , max_(std::max(min, max))
    , position_(std::clamp(position, min_, max_))
    , up_(MakeArrow(this, Qt::UpArrow))
    , down_(MakeArrow(this, Qt::DownArrow))
{
    setObjectName(name);
    MarkArrow(up_, Arrow::Up);
    MarkArrow(down_, Arrow::Down);
    connect(up_, &QToolButton::clicked, this, [this] { Step(UpDownButton::Next); });
    connect(down_, &QToolButton::clicked, this, [this] { Step(UpDownButton::Prev); });
}

void UpDown::setMin(int min)
{
    min_ = min;
    max_ = std::max(max_, min_);
    setPosition(position_);
}

void UpDown::setMax(int max)
{
    max_ = max;
    min_ = std::min(min_, max_);
    setPosition(position_);
}

void UpDown::setPosition(int position)
{
    position = std::clamp(position, min_, max_);
    if (position == position_)
        return;
    position_ = position;
    emit PositionChanged(position_);
}

void UpDown::Step(UpDownButton button)
{
    setPosition(position_ + (button == UpDownButton::Next ? 1 : -1));
    emit Click(button);
}

void UpDown::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}

}  // namespace toolkit
