#pragma once
// Small helpers that place the stored layout's controls: labels sized to
// their text, group boxes, panels and background colours.

#include "toolkit/color.h"

#include <QGroupBox>
#include <QSize>
#include <QString>

#include <utility>

class QFont;
class QLabel;
class QRadioButton;
class QWidget;

namespace toolkit {

// A fixed-size dialog's frame: its layout name, title, client size, window
// font and background, and a title bar with a close button (and a minimize
// button when asked).
struct DialogFrame {
    QString name;
    QString title;
    QSize clientSize;
    int fontPx;
    TColor background;
    bool minimizeButton = false;
};
// The window is widened, its controls left where they are, when the title
// needs more room (see TitleBarWidth).
// Also gives the keyboard back, when the dialog closes, to the window that
// had it when the dialog opened, where no window manager would, and names
// its controls for screen readers as it is shown (see NameControls).
void SetUpDialog(QWidget* dialog, const DialogFrame& frame);

// The first time a window opens, puts it beside its parent window, on the
// right or else on the left, where the screen has room for it, so that both
// can be seen; elsewhere, and later, it stays where it is.
void PlaceBesideFirstTime(QWidget* window);

// The width a desktop's title bar needs to show `title` whole beside the
// window's icon and `buttons` buttons, in a bold title font a point larger
// than the interface's.
int TitleBarWidth(const QString& title, int buttons);

// Paints the widget's background in `color`.
void SetBackground(QWidget* widget, TColor color);

// Sets the colour of the widget's own text (labels, captions, radio buttons).
void SetTextColor(QWidget* widget, TColor color);

// A status line's text in the colour that says what kind of news it is.
void SetColoredText(QLabel* label, TColor color, const QString& text);

// A transparent label sized to its text, at (x, y).
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, int x, int y,
                  TColor color, const QFont& font);

// A group box drawn the classic way: an etched frame whose top line runs
// through the middle of the caption, so that controls placed below the
// caption sit inside the frame.
class GroupBox : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static constexpr int kCaptionLeft = 8;
    static constexpr int kCaptionPadding = 2;
};

// The two hemispheres of one coordinate (N and S, E and W), exclusive of each
// other only, at x1 and x2 on the line y; the first is checked.
std::pair<QRadioButton*, QRadioButton*> MakeRadioPair(QWidget* parent, const char* first, const char* second,
                                                      const QString& firstCaption, const QString& secondCaption,
                                                      int x1, int x2, int y);

QGroupBox* MakeGroupBox(QWidget* parent, const QString& name, const QString& caption, int x, int y,
                        int width, int height, TColor captionColor, const QFont& font);

}  // namespace toolkit
