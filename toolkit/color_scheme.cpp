#include "toolkit/color_scheme.h"

#include <QAbstractButton>
#include <QApplication>
#include <QToolTip>
#include <QWidget>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace toolkit {

namespace {

// Night reds by tone. Paper stays dark enough that no area glows, and its
// light shades (fields, buttons) keep apart from the faces around them; edges
// are a little brighter, so frames still show; ink stands out on any
// paper, the more the more it stood out by day; pictures are dimmed.
constexpr double kPaperRed = 48;
constexpr double kPaperGamma = 3;
constexpr double kEdgeRed = 110;
constexpr double kInkRedMin = 165;
constexpr double kGlyphRedMin = 90;
constexpr double kPictureRed = 160;
constexpr double kFullLevel = 255;
constexpr double kMidLevel = kFullLevel / 2;
constexpr double kRedWeight = 0.299;
constexpr double kGreenWeight = 0.587;
constexpr double kBlueWeight = 0.114;

double Luma(const QColor& c)
{
    return kRedWeight * c.red() + kGreenWeight * c.green() + kBlueWeight * c.blue();
}

int Level(double red)
{
    return std::clamp(static_cast<int>(std::lround(red)), 0, kNightRedMax);
}

// Black is left out: black ink has to become red.
bool IsNight(QRgb rgb)
{
    return qGreen(rgb) == 0 && qBlue(rgb) == 0 && qRed(rgb) > 0 && qRed(rgb) <= kNightRedMax;
}

int NightRed(const QColor& day, Tone tone)
{
    // A night red is its own night colour, so that a colour or a picture
    // may pass twice.
    if (IsNight(day.rgb()))
        return day.red();
    const double luma = Luma(day);
    switch (tone) {
    case Tone::Paper:
        return Level(kPaperRed * std::pow(luma / kFullLevel, kPaperGamma));
    case Tone::Edge:
        return Level(kEdgeRed * luma / kFullLevel);
    case Tone::Ink:
        // Ink is dark on light paper or light on dark paper by day.
        return Level(kInkRedMin + (kNightRedMax - kInkRedMin) * std::abs(luma - kMidLevel) / kMidLevel);
    case Tone::Glyph:
        // Drawn to stand out on a light face: its dark strokes are the brightest.
        return Level(kNightRedMax - (kNightRedMax - kGlyphRedMin) * luma / kFullLevel);
    case Tone::Picture:
        // What a red filter passes, green and blue kept as light as they
        // were, dimmed.
        return Level(kPictureRed * std::max<double>(day.red(), luma) / kFullLevel);
    }
    return 0;
}

Tone RoleTone(QPalette::ColorRole role)
{
    switch (role) {
    case QPalette::WindowText:
    case QPalette::Text:
    case QPalette::ButtonText:
    case QPalette::BrightText:
    case QPalette::HighlightedText:
    case QPalette::ToolTipText:
    case QPalette::PlaceholderText:
    case QPalette::Link:
    case QPalette::LinkVisited:
        return Tone::Ink;
    case QPalette::Light:
    case QPalette::Midlight:
    case QPalette::Mid:
    case QPalette::Dark:
    case QPalette::Shadow:
    case QPalette::Highlight:
        return Tone::Edge;
    default:
        return Tone::Paper;
    }
}

// The day colours a widget's palette was given through the scheme.
struct DayColors {
    std::array<std::optional<std::pair<TColor, Tone>>, QPalette::NColorRoles> roles;
};

const char* const kDayColorsProperty = "orvaneDayColors";
const char* const kDayGlyphProperty = "orvaneDayGlyph";
const char* const kGlyphToneProperty = "orvaneGlyphTone";

std::optional<DayColors> StoredColors(const QWidget* widget)
{
    const QVariant v = widget->property(kDayColorsProperty);
    if (!v.isValid())
        return std::nullopt;
    return v.value<DayColors>();
}

void ApplyColors(QWidget* widget, const DayColors& colors)
{
    QPalette p = widget->palette();
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        if (const auto& c = colors.roles[static_cast<std::size_t>(role)])
            p.setColor(static_cast<QPalette::ColorRole>(role), SchemeColor(c->first, c->second));
    }
    widget->setPalette(p);
}

void ApplyGlyph(QAbstractButton* button)
{
    const auto glyph = button->property(kDayGlyphProperty).value<QPixmap>();
    const auto tone = static_cast<Tone>(button->property(kGlyphToneProperty).toInt());
    button->setIcon(glyph.isNull() ? QIcon() : QIcon(SchemePixmap(glyph, tone)));
}

}  // namespace

}  // namespace toolkit

Q_DECLARE_METATYPE(toolkit::DayColors)

namespace toolkit {

QColor NightColor(const QColor& day, Tone tone)
{
    return QColor(NightRed(day, tone), 0, 0, day.alpha());
}

QColor SchemeColor(const QColor& day, Tone tone)
{
    return NightColors() ? NightColor(day, tone) : day;
}

QColor SchemeColor(TColor day, Tone tone)
{
    return SchemeColor(ToQColor(day), tone);
}

QImage NightImage(const QImage& day, Tone tone)
{
    if (day.isNull())
        return day;
    const bool alpha = day.hasAlphaChannel();
    QImage night = day.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    // A picture is mostly a few colours: each is worked out once.
    QRgb lastDay = 0;
    QRgb lastNight = qRgb(0, 0, 0);
    bool known = false;
    for (int y = 0; y < night.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(night.scanLine(y));
        for (int x = 0; x < night.width(); ++x) {
            const QRgb rgb = line[x];
            if (!known || rgb != lastDay) {
                lastDay = rgb;
                lastNight = NightColor(QColor::fromRgba(rgb), tone).rgba();
                known = true;
            }
            line[x] = lastNight;
        }
    }
    return night;
}

QPixmap NightPixmap(const QPixmap& day, Tone tone)
{
    if (day.isNull())
        return day;
    QPixmap night = QPixmap::fromImage(NightImage(day.toImage(), tone));
    night.setDevicePixelRatio(day.devicePixelRatio());
    return night;
}

QIcon NightIcon(const QIcon& day)
{
    QIcon night;
    for (const QSize& size : day.availableSizes())
        night.addPixmap(NightPixmap(day.pixmap(size)));
    return night;
}

QImage SchemeImage(const QImage& day, Tone tone)
{
    return NightColors() ? NightImage(day, tone) : day;
}

QPixmap SchemePixmap(const QPixmap& day, Tone tone)
{
    return NightColors() ? NightPixmap(day, tone) : day;
}

QPalette SchemePalette(const QPalette& day)
{
    if (!NightColors())
        return day;
    QPalette night = day;
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        const auto g = static_cast<QPalette::ColorGroup>(group);
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto r = static_cast<QPalette::ColorRole>(role);
            night.setColor(g, r, NightColor(day.color(g, r), RoleTone(r)));
        }
    }
    return night;
}

ColorScheme& ColorScheme::instance()
{
    static ColorScheme scheme;
    return scheme;
}

QPalette ColorScheme::DayPalette() const
{
    return night_ ? dayPalette_ : QApplication::palette();
}

void ColorScheme::setNight(bool night)
{
    if (night == night_)
        return;
    if (night) {
        dayPalette_ = QApplication::palette();
        dayToolTipPalette_ = QToolTip::palette();
    }
    night_ = night;
    Recolor();
    emit NightChanged(night_);
}

void ColorScheme::Recolor()
{
    QApplication::setPalette(SchemePalette(dayPalette_));
    QToolTip::setPalette(SchemePalette(dayToolTipPalette_));
    for (QWidget* widget : QApplication::allWidgets()) {
        if (const auto colors = StoredColors(widget))
            ApplyColors(widget, *colors);
        if (auto* button = qobject_cast<QAbstractButton*>(widget);
            button && button->property(kDayGlyphProperty).isValid())
            ApplyGlyph(button);
        widget->update();
    }
}

void SetPaletteColor(QWidget* widget, QPalette::ColorRole role, TColor day)
{
    SetPaletteColor(widget, role, day, RoleTone(role));
}

void SetPaletteColor(QWidget* widget, QPalette::ColorRole role, TColor day, Tone tone)
{
    DayColors colors = StoredColors(widget).value_or(DayColors{});
    colors.roles[static_cast<std::size_t>(role)] = std::pair(day, tone);
    widget->setProperty(kDayColorsProperty, QVariant::fromValue(colors));
    QPalette p = widget->palette();
    p.setColor(role, SchemeColor(day, tone));
    widget->setPalette(p);
}

TColor DayPaletteColor(const QWidget* widget, QPalette::ColorRole role)
{
    if (!NightColors()) {
        const QColor c = widget->palette().color(role);
        return RGB(c.red(), c.green(), c.blue());
    }
    for (const QWidget* w = widget; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
        if (const auto colors = StoredColors(w))
            if (const auto& c = colors->roles[static_cast<std::size_t>(role)])
                return c->first;
    }
    const QColor c = ColorScheme::instance().DayPalette().color(role);
    return RGB(c.red(), c.green(), c.blue());
}

void SetSchemeIcon(QAbstractButton* button, const QPixmap& day, Tone tone)
{
    button->setProperty(kDayGlyphProperty, QVariant::fromValue(day));
    button->setProperty(kGlyphToneProperty, static_cast<int>(tone));
    ApplyGlyph(button);
}

}  // namespace toolkit
