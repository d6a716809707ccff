#pragma once
// TForm7, the compass swing: the deviations observed on 4 to 36 headings
// give the five coefficients of the deviation curve, and from them a full
// table every 10°, proposed in the table editor for review. "Da GPS" reads
// one row from the instruments: the compass heading held for 30 s against
// the GPS course, in slack water and with no leeway.

#include "nav/angle.h"
#include "nav/deviation_fit.h"
#include "nav/gps_swing.h"
#include "nav/nmea.h"
#include "nav/worked.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <vector>

class DeviationRows;
class QLabel;
class QTimer;

namespace toolkit {
class SpeedButton;
}

class TForm7 : public QDialog {
    Q_OBJECT

public:
    // As many as the fit's five coefficients need.
    inline static constexpr int kMinSwingHeadings = nav::kMinFitHeadings;
    inline static constexpr int kMaxSwingHeadings = 36;

    // How often the countdown of "Da GPS" is brought up to date.
    inline static constexpr int kCountdownTickMs = 250;

    // proposeTable: opens the editor on the generated rows. declination: the
    // one the program applies (West positive); none, no declination.
    explicit TForm7(std::function<void(const std::vector<nav::DeviationRow>&)> proposeTable,
                    std::function<nav::Angle()> declination = {}, QWidget* parent = nullptr);

    // The eight cardinal and intercardinal headings, then the window modally.
    void Open();
    void Reset();

    void BTNAGGIUNGIClick();
    void BTNELIMINAClick();
    void BTNGENERAClick();
    // Starts the 30 s of "Da GPS" on the heading now held.
    void BTNGPSREGClick();
    // Every sentence from the instruments with the time it was read; the
    // measurement ends with the first sentence past its time, or by the clock.
    void FeedInstruments(const nav::NmeaNews& news, qint64 msecsSinceEpoch);
    // The clock of the sentences' times; the system clock unless a test drives it.
    void SetClock(std::function<qint64()> clock);
    // Fits the complete rows and shows the coefficients or why there are none.
    void Refit();

    const std::optional<nav::DeviationFit>& fit() const { return fit_; }

    DeviationRows* SGGIRO = nullptr;
    QLabel* LBCOEFF = nullptr;
    QLabel* LBSTATO = nullptr;
    toolkit::SpeedButton* BTNAGGIUNGI = nullptr;
    toolkit::SpeedButton* BTNELIMINA = nullptr;
    toolkit::SpeedButton* BTNGENERA = nullptr;
    toolkit::SpeedButton* BTNCHIUDI = nullptr;
    toolkit::SpeedButton* BTNGPSREG = nullptr;
    // The countdown of "Da GPS", then the row it wrote with the samples'
    // spread, or why it wrote none.
    QLabel* LBGPS = nullptr;
    QTimer* TMGPS = nullptr;

signals:
    // A fit that succeeded, or a row read "Da GPS", worked out for the log.
    void Solved(const nav::Worked& worked);

private:
    void BuildLayout();
    nav::Angle Declination() const;
    void GpsTick();
    void EndGps(const nav::GpsSwingResult& result);
    void StopGps();

    std::function<void(const std::vector<nav::DeviationRow>&)> proposeTable_;
    std::function<nav::Angle()> declination_;
    std::function<qint64()> clock_;
    nav::GpsSwing gps_;
    std::optional<nav::DeviationFit> fit_;
};

// The refusal of a fit in the user's words.
QString FitRefusalText(nav::FitRefusal refusal, int distinctHeadings);

// The row "Da GPS" wrote with the samples' spread, or why it wrote none.
QString GpsSwingText(const nav::GpsSwingResult& result);

// "A = +0,5°" ... one per line, one decimal.
QString CoefficientsText(const nav::DeviationCoefficients& c);
