#pragma once
// The colour scheme: the day colours as the layout gives them, or night
// colours, dark red on black, that keep a helmsman's eyes used to the dark.
// Every colour that reaches the screen passes through here: the palettes of
// the standard widgets, the pictures of the canvases, glyphs and images.
// What is written to a file or a printer keeps the day colours.

#include "toolkit/color.h"

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QObject>
#include <QPalette>
#include <QPixmap>

class QAbstractButton;
class QWidget;

namespace toolkit {

// What a colour does on the screen, which decides its night colour: the
// background of an area, a frame's edge, the text or lines drawn on an area,
// a pixel of a glyph drawn for a light button, or a pixel of a picture that
// has its own light and dark.
enum class Tone { Paper, Edge, Ink, Glyph, Picture };

// At night every colour is a red of at most this level, without green or blue.
inline constexpr int kNightRedMax = 200;

// The night colour of a day colour, alpha kept; a night colour is its own.
QColor NightColor(const QColor& day, Tone tone);
// The colour to show now: the day colour by day, its night colour at night.
QColor SchemeColor(const QColor& day, Tone tone);
QColor SchemeColor(TColor day, Tone tone);
// A picture's night colours, pixel by pixel; a night picture comes back
// unchanged.
QImage NightImage(const QImage& day, Tone tone = Tone::Picture);
QPixmap NightPixmap(const QPixmap& day, Tone tone = Tone::Picture);
// Every size of the icon as a night picture.
QIcon NightIcon(const QIcon& day);
// The picture to show now: itself by day, its night colours at night.
QImage SchemeImage(const QImage& day, Tone tone = Tone::Picture);
QPixmap SchemePixmap(const QPixmap& day, Tone tone = Tone::Picture);

// A palette's colours for now; by role, text is ink, frames are edges and
// the rest paper.
QPalette SchemePalette(const QPalette& day);

class ColorScheme : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool Night READ Night WRITE setNight NOTIFY NightChanged)

public:
    static ColorScheme& instance();

    bool Night() const { return night_; }
    // The application's palette by day.
    QPalette DayPalette() const;
    // Recolours every window at once: palettes, glyphs and pictures.
    void setNight(bool night);

signals:
    void NightChanged(bool night);

private:
    ColorScheme() = default;
    void Recolor();

    bool night_ = false;
    QPalette dayPalette_;
    QPalette dayToolTipPalette_;
};

inline bool NightColors()
{
    return ColorScheme::instance().Night();
}

// Sets a palette role of the widget to a day colour shown through the
// scheme, now and after every switch. Tone defaults to the role's.
void SetPaletteColor(QWidget* widget, QPalette::ColorRole role, TColor day);
void SetPaletteColor(QWidget* widget, QPalette::ColorRole role, TColor day, Tone tone);
// The day colour of the widget's palette role: by day the palette's own;
// at night the day colour set through the scheme on the widget or an
// ancestor, else the application's.
TColor DayPaletteColor(const QWidget* widget, QPalette::ColorRole role);

// The button's icon drawn from a day glyph through the scheme, now and
// after every switch; a null glyph takes the icon away.
void SetSchemeIcon(QAbstractButton* button, const QPixmap& day, Tone tone = Tone::Picture);

}  // namespace toolkit
