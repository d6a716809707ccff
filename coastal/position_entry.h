#pragma once
// The position dialog of the coastal window: latitude and longitude in
// degrees and minutes with two decimals, each with its hemisphere, as a
// chart's scales give them.

#include "dialogs/entry_dialog.h"
#include "nav/rhumb.h"

#include <optional>

class QRadioButton;
class TNumEdit;

namespace toolkit {
class SpeedButton;
}

class TPositionEntry : public EntryDialog {
    Q_OBJECT

public:
    explicit TPositionEntry(QWidget* parent = nullptr);

    // Shows the position (or 0° N 0° E) modally, with `typed` already typed
    // in the latitude's degrees; the position confirmed, or nothing.
    std::optional<nav::GeoPosition> Enter(std::optional<nav::GeoPosition> shown, const QString& typed = {});

    // What the boxes hold now; nothing when a box cannot be read.
    std::optional<nav::GeoPosition> Shown() const;

    void Confirm() override;

    TNumEdit* EDLATG = nullptr;
    TNumEdit* EDLATM = nullptr;
    QRadioButton* RBNORD = nullptr;
    QRadioButton* RBSUD = nullptr;
    TNumEdit* EDLONG = nullptr;
    TNumEdit* EDLONM = nullptr;
    QRadioButton* RBEST = nullptr;
    QRadioButton* RBOVEST = nullptr;
    toolkit::SpeedButton* POSOK = nullptr;
    toolkit::SpeedButton* POSABO = nullptr;

private:
    void BuildLayout();
    void Show(nav::GeoPosition p);

    std::optional<nav::GeoPosition> confirmed_;
};
