#include "widgets/numeric/spin_num_edit.h"

#include "toolkit/accessible_names.h"
#include "toolkit/color.h"
#include "toolkit/color_scheme.h"
#include "toolkit/platform.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QTimer>
#include <algorithm>

namespace {

constexpr int kFirstRepeatMs = 400;
constexpr int kRepeatMs = 100;
constexpr int kFocusInset = 3;

constexpr int kButtonWidth = 15;
constexpr int kButtonInitialHeight = 17;
constexpr int kPairInitialWidth = 20;
constexpr int kPairInitialHeight = 25;
constexpr int kBorder = 1;       // the system's border height
constexpr int kFrame = 2;        // a three-dimensional single border
constexpr int kGlyphWidth = 9;
constexpr int kGlyphHeight = 6;
constexpr int kGlyphBase = 7;

// The 9 x 6 arrow glyph: a black triangle on olive, olive drawn transparent.
QPixmap SpinGlyph(bool up)
{
    QImage image(kGlyphWidth, kGlyphHeight, QImage::Format_RGB32);
    image.fill(toolkit::ToQColor(toolkit::clOlive));
    const int rows = (kGlyphBase + 1) / 2;  // 4 rows: 1, 3, 5, 7 pixels
    for (int r = 0; r < rows; ++r) {
        const int y = up ? 1 + r : kGlyphHeight - 2 - r;
        for (int x = kGlyphWidth / 2 - r; x <= kGlyphWidth / 2 + r; ++x)
            image.setPixel(x, y, qRgb(0, 0, 0));
    }
    // Pixel art: on a high-density screen each pixel becomes a sharp block.
    const qreal ratio = qApp->devicePixelRatio();
    QPixmap pixmap = QPixmap::fromImage(image.scaled(image.size() * ratio));
    pixmap.setMask(pixmap.createMaskFromColor(toolkit::ToQColor(toolkit::clOlive)));
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

}  // namespace

TTimerSpeedButton::TTimerSpeedButton(QWidget* parent)
    : QToolButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAutoRaise(false);
}

void TTimerSpeedButton::setFocusRect(bool on)
{
    if (on == focusRect_)
        return;
    focusRect_ = on;
    update();
}

bool TTimerSpeedButton::Repeating() const
{
    return repeat_ && repeat_->isActive();
}

void TTimerSpeedButton::StopRepeating()
{
    if (repeat_)
        repeat_->stop();
}

void TTimerSpeedButton::mousePressEvent(QMouseEvent* event)
{
    QToolButton::mousePressEvent(event);
    if (!allowTimer_ || !isDown())
        return;
    if (!repeat_) {
        repeat_ = new QTimer(this);
        connect(repeat_, &QTimer::timeout, this, &TTimerSpeedButton::TimerExpired);
    }
    repeat_->setInterval(kFirstRepeatMs);
    repeat_->start();
}

void TTimerSpeedButton::TimerExpired()
{
    repeat_->setInterval(kRepeatMs);
    if (isDown())
        emit clicked();
}

void TTimerSpeedButton::mouseReleaseEvent(QMouseEvent* event)
{
    QToolButton::mouseReleaseEvent(event);
    StopRepeating();
}

void TTimerSpeedButton::paintEvent(QPaintEvent* event)
{
    QToolButton::paintEvent(event);
    if (!focusRect_)
        return;
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect().adjusted(kFocusInset, kFocusInset, -kFocusInset, -kFocusInset);
    if (isDown())
        option.rect.translate(1, 1);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

TSpinButton::TSpinButton(QWidget* parent)
    : QWidget(parent)
    , up_(new TTimerSpeedButton(this))
    , down_(new TTimerSpeedButton(this))
    , focused_(up_)
{
    setFocusPolicy(Qt::NoFocus);  // not a tab stop
    const QPixmap upGlyph = SpinGlyph(true);
    const QPixmap downGlyph = SpinGlyph(false);
    toolkit::SetSchemeIcon(up_, upGlyph, toolkit::Tone::Glyph);
    up_->setIconSize(upGlyph.deviceIndependentSize().toSize());
    toolkit::SetSchemeIcon(down_, downGlyph, toolkit::Tone::Glyph);
    down_->setIconSize(downGlyph.deviceIndependentSize().toSize());
    toolkit::MarkArrow(up_, toolkit::Arrow::Up);
    toolkit::MarkArrow(down_, toolkit::Arrow::Down);
    connect(up_, &QToolButton::clicked, this, &TSpinButton::OnUpClick);
    connect(down_, &QToolButton::clicked, this, &TSpinButton::OnDownClick);
    connect(up_, &QToolButton::pressed, this, [this] { Pressed(up_); });
    connect(down_, &QToolButton::pressed, this, [this] { Pressed(down_); });
    resize(kPairInitialWidth, kPairInitialHeight);
}

void TSpinButton::StopRepeating()
{
    up_->StopRepeating();
    down_->StopRepeating();
}

void TSpinButton::Pressed(TTimerSpeedButton* button)
{
    const bool tabStop = focusPolicy() & Qt::TabFocus;
    if (tabStop && isEnabled())
        focused_ = button;
    if (focusControl_ && (focusControl_->focusPolicy() & Qt::TabFocus) && focusControl_->isEnabled()
        && !focusControl_->hasFocus())
        focusControl_->setFocus(Qt::OtherFocusReason);
    else if (tabStop && !hasFocus() && isEnabled())
        setFocus(Qt::OtherFocusReason);
}

void TSpinButton::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (width() < kButtonWidth) {
        resize(kButtonWidth, height());
        return;
    }
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half - 1, width(), height() - half + 1);
}

void TSpinButton::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
        emit focused_->clicked();
        break;
    case Qt::Key_Up:
        focused_ = up_;
        emit up_->clicked();
        break;
    case Qt::Key_Down:
        focused_ = down_;
        emit down_->clicked();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TSpinButton::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    focused_->setFocusRect(true);
}

void TSpinButton::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    focused_->setFocusRect(false);
}

TSpinNumEdit::TSpinNumEdit(QWidget* parent)
    : TNumEdit(parent)
    , button_(new TSpinButton(this))
{
    button_->resize(kButtonWidth, kButtonInitialHeight);
    button_->setFocusControl(this);
    button_->setCursor(Qt::ArrowCursor);
    connect(button_, &TSpinButton::OnUpClick, this, [this] { StepUp(true); });
    connect(button_, &TSpinButton::OnDownClick, this, [this] { StepDown(true); });
}

QString TSpinNumEdit::Version() const
{
    return QStringLiteral("8.00.00.00");
}

void TSpinNumEdit::setIncrement(double increment)
{
    if (stepper_.SetIncrement(increment, Range()) && roundValues_)
        SnapValue();
}

bool TSpinNumEdit::SnapValue()
{
    const auto value = ReadValue();
    if (value)
        setValue(stepper_.Snap(*value, Range()));
    return value.has_value();
}

void TSpinNumEdit::StepUp(bool fromArrow)
{
    Step(true, fromArrow);
}

void TSpinNumEdit::StepDown(bool fromArrow)
{
    Step(false, fromArrow);
}

void TSpinNumEdit::Step(bool up, bool fromArrow)
{
    if (isReadOnly() && fromArrow) {
        toolkit::platform().Beep();
        return;
    }
    const auto value = ReadNumberText(text());
    if (!value) {
        // A held arrow must not open a message box on every repeat.
        button_->StopRepeating();
        ReportUnreadable();
        return;
    }
    const SpinStepper::Result r = stepper_.Step(up, *value, toolkit::platform().TickCount(), Range(), wrap_);
    if (!r.invalid) {
        setValue(roundValues_ ? stepper_.Snap(r.value, Range()) : r.value);
        return;
    }
    InvalidEntry();
    // Also a refused step ends on the grid.
    if (roundValues_)
        SnapValue();
}

void TSpinNumEdit::CutToClipboard()
{
    if (editorEnabled_)
        TNumEdit::CutToClipboard();
}

void TSpinNumEdit::PasteText(const QString& pasted)
{
    if (editorEnabled_)
        TNumEdit::PasteText(pasted);
}

bool TSpinNumEdit::BeforeExit()
{
    const auto v = ReadValue();
    if (!v)
        return false;
    const SpinRange range = Range();
    if ((roundValues_ && range.min <= *v && *v <= range.max) || (!range.Active() && snapTyped_))
        setValue(stepper_.Snap(*v, range));
    return true;
}

void TSpinNumEdit::keyPressEvent(QKeyEvent* event)
{
    if (isReadOnly()) {
        toolkit::platform().Beep();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        // The X server stamps an auto-repeated press with the time of the
        // release it sends just before; Qt does not always flag that pair
        // (it looks for the press only among the events already read), so
        // the run that release ended goes on.
        if (event->timestamp() != 0 && event->timestamp() == releasedAt_ && event->key() == releasedKey_)
            stepper_ = beforeRelease_;
        releasedKey_ = 0;
        Step(event->key() == Qt::Key_Up, false);
        event->accept();
        KeyHandled();
        return;
    }
    GuardedKeyPress(event);
}

void TSpinNumEdit::keyReleaseEvent(QKeyEvent* event)
{
    // X11 sends a release with every auto-repeated press: only a real
    // release ends a rapid run.
    if (!event->isAutoRepeat()) {
        beforeRelease_ = stepper_;
        releasedAt_ = event->timestamp();
        releasedKey_ = event->key();
        stepper_.Reset();
    }
    if (isReadOnly()) {
        event->accept();
        return;
    }
    NumKeyRelease(event);
}

void TSpinNumEdit::resizeEvent(QResizeEvent* event)
{
    TNumEdit::resizeEvent(event);
    const int f = QFontMetrics(font()).height();
    const int s = QFontMetrics(QApplication::font()).height();
    const int minimum = f + std::min(s, f) / 4 + 4 * kBorder + 2;
    if (height() < minimum)
        resize(width(), minimum);
    button_->setGeometry(width() - button_->width() - kFrame, kFrame, button_->width(),
                         height() - 2 * kFrame - 1);
    // The text never runs under the arrows.
    setTextMargins(0, 0, button_->width() - 1, 0);
}
