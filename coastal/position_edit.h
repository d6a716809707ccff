#pragma once
// TPositionEdit: a position field, filled through its dialog or by pasting
// a position written in any usual form, and shown as charts print it:
// "42° 30,00' N  010° 18,50' E". Empty until a position is given.

#include "nav/rhumb.h"
#include "widgets/numeric/aligned_edit.h"

#include <optional>

class TPositionEdit : public TAlignedEdit {
    Q_OBJECT
    // Signed decimal degrees, North and East positive; 0 while empty.
    // Writing one gives the field a position and shows it.
    Q_PROPERTY(double Latitude READ Latitude WRITE setLatitude NOTIFY PositionChanged)
    Q_PROPERTY(double Longitude READ Longitude WRITE setLongitude NOTIFY PositionChanged)

public:
    explicit TPositionEdit(QWidget* parent = nullptr);

    double Latitude() const { return position_ ? position_->latitude : 0.0; }
    void setLatitude(double latitude);
    double Longitude() const { return position_ ? position_->longitude : 0.0; }
    void setLongitude(double longitude);

    std::optional<nav::GeoPosition> Position() const { return position_; }
    // Latitude clamped to -90..90, longitude brought onto -180..180.
    void SetPosition(std::optional<nav::GeoPosition> position);

signals:
    void PositionChanged();

protected:
    // A pasted text that reads as a position replaces it; anything else is
    // refused with the beep and changes nothing.
    void PasteText(const QString& text) override;
    bool CanEdit() const override { return true; }

private:
    std::optional<nav::GeoPosition> position_;
};
