#include "toolkit/form_layout.h"

#include "toolkit/accessible_names.h"
#include "toolkit/color_scheme.h"
#include "toolkit/fonts.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QScreen>
#include <QGroupBox>
#include <QButtonGroup>
#include <QLabel>
#include <QRadioButton>

#include <algorithm>
#include <tuple>

namespace toolkit {

namespace {

// Gives the keyboard back, when a dialog closes, to the window that had it
// when the dialog opened (a dialog opened from a dialog), or to the
// dialog's parent's: also where no window manager would.
class KeyboardReturn : public QObject {
public:
    explicit KeyboardReturn(QWidget* dialog)
        : QObject(dialog)
    {
        dialog->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* dialog = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && !event->spontaneous()) {
            QWidget* active = QApplication::activeWindow();
            QWidget* parent = dialog->parentWidget();
            opener_ = active && active != dialog ? active : (parent ? parent->window() : nullptr);
            NameControls(dialog);
        } else if (event->type() == QEvent::Hide && !event->spontaneous() && opener_ && opener_->isVisible()) {
            opener_->activateWindow();
        }
        return false;
    }

private:
    QPointer<QWidget> opener_;
};

// Room on a title bar for the window's icon, each button, and the margins.
constexpr int kTitleIconRoom = 32;
constexpr int kTitleButtonRoom = 32;
constexpr int kTitleMargins = 24;
constexpr qreal kTitleFontGrowth = 1.0;  // points

}  // namespace

void PlaceBesideFirstTime(QWidget* window)
{
    constexpr const char* kPlaced = "orvanePlacedBeside";
    const QWidget* parent = window->parentWidget();
    if (!parent || window->property(kPlaced).toBool())
        return;
    window->setProperty(kPlaced, true);
    constexpr int kBesideGap = 8;
    const QRect screen = parent->screen()->availableGeometry();
    const QRect main = parent->frameGeometry();
    const int width = window->frameGeometry().width();
    const int right = main.right() + kBesideGap;
    const int left = main.left() - kBesideGap - width;
    if (right + width <= screen.right())
        window->move(right, std::max(main.top(), screen.top()));
    else if (left >= screen.left())
        window->move(left, std::max(main.top(), screen.top()));
}

int TitleBarWidth(const QString& title, int buttons)
{
    QFont font = QApplication::font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() + kTitleFontGrowth);
    return QFontMetrics(font).horizontalAdvance(title) + kTitleIconRoom + buttons * kTitleButtonRoom + kTitleMargins;
}

void SetUpDialog(QWidget* dialog, const DialogFrame& frame)
{
    new KeyboardReturn(dialog);
    dialog->setObjectName(frame.name);
    dialog->setWindowTitle(frame.title);
    // Only these buttons, and no maximise button for a fixed size.
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                            | Qt::WindowCloseButtonHint;
    if (frame.minimizeButton)
        flags |= Qt::WindowMinimizeButtonHint;
    dialog->setWindowFlags(flags);
    // A window narrower than its title has it cut by the desktop.
    const int buttons = frame.minimizeButton ? 2 : 1;
    dialog->setFixedSize(std::max(frame.clientSize.width(), TitleBarWidth(frame.title, buttons)),
                         frame.clientSize.height());
    dialog->setFont(UiFont(frame.fontPx));
    SetBackground(dialog, frame.background);
}

void SetBackground(QWidget* widget, TColor color)
{
    SetPaletteColor(widget, QPalette::Window, color);
    widget->setAutoFillBackground(true);
}

void SetTextColor(QWidget* widget, TColor color)
{
    SetPaletteColor(widget, QPalette::WindowText, color);
}

void SetColoredText(QLabel* label, TColor color, const QString& text)
{
    SetTextColor(label, color);
    label->setText(text);
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

std::pair<QRadioButton*, QRadioButton*> MakeRadioPair(QWidget* parent, const char* first, const char* second,
                                                      const QString& firstCaption, const QString& secondCaption,
                                                      int x1, int x2, int y)
{
    constexpr int kRadioWidth = 40;
    constexpr int kRadioHeight = 17;
    auto* group = new QButtonGroup(parent);
    std::pair<QRadioButton*, QRadioButton*> pair;
    for (auto [radio, name, caption, x] : {std::tuple{&pair.first, first, firstCaption, x1},
                                           std::tuple{&pair.second, second, secondCaption, x2}}) {
        *radio = new QRadioButton(caption, parent);
        (*radio)->setObjectName(QString::fromLatin1(name));
        (*radio)->setGeometry(x, y, kRadioWidth, kRadioHeight);
        group->addButton(*radio);
    }
    pair.first->setChecked(true);
    return pair;
}

QGroupBox* MakeGroupBox(QWidget* parent, const QString& name, const QString& caption, int x, int y,
                        int width, int height, TColor captionColor, const QFont& font)
{
    auto* box = new GroupBox(caption, parent);
    box->setObjectName(name);
    box->setFont(font);
    SetTextColor(box, captionColor);
    box->setGeometry(x, y, width, height);
    return box;
}

void GroupBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const QRect frame = rect().adjusted(0, metrics.height() / 2, -1, -1);
    // Etched: a dark line with a light one just inside it and below it.
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(frame.adjusted(1, 1, 0, 0));
    if (title().isEmpty())
        return;
    const QRect caption(kCaptionLeft, 0, metrics.horizontalAdvance(title()) + 2 * kCaptionPadding, metrics.height());
    painter.fillRect(caption, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter, title());
}

}  // namespace toolkit
