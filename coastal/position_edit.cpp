#include "coastal/position_edit.h"

#include "toolkit/platform.h"
#include "toolkit/text_format.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPole = 90.0;
constexpr double kHalfTurn = 180.0;
constexpr double kTurn = 360.0;

}  // namespace

TPositionEdit::TPositionEdit(QWidget* parent)
    : TAlignedEdit(parent)
{
    setDialogEntry(true);
}

void TPositionEdit::setLatitude(double latitude)
{
    SetPosition(nav::GeoPosition{latitude, Longitude()});
}

void TPositionEdit::setLongitude(double longitude)
{
    SetPosition(nav::GeoPosition{Latitude(), longitude});
}

void TPositionEdit::SetPosition(std::optional<nav::GeoPosition> position)
{
    if (position) {
        if (!std::isfinite(position->latitude) || !std::isfinite(position->longitude))
            return;
        position->latitude = std::clamp(position->latitude, -kPole, kPole);
        position->longitude = std::remainder(position->longitude, kTurn);
        if (position->longitude == -kHalfTurn)
            position->longitude = kHalfTurn;
    }
    const auto same = [](const nav::GeoPosition& a, const nav::GeoPosition& b) {
        return a.latitude == b.latitude && a.longitude == b.longitude;
    };
    if (position.has_value() == position_.has_value() && (!position || same(*position, *position_)))
        return;
    position_ = position;
    setText(position_ ? QString::fromStdString(nav::FormatPosition(*position_, toolkit::DecimalSeparator().toLatin1()))
                      : QString());
    emit PositionChanged();
}

void TPositionEdit::PasteText(const QString& text)
{
    if (const auto position = nav::ReadPosition(text.trimmed().toStdString()))
        SetPosition(position);
    else
        toolkit::platform().Beep();
}
