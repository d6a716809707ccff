#pragma once
// TForm7, the compass swing: the deviations observed on 4 to 36 headings
// give the five coefficients of the deviation curve, and from them a full
// table every 10°, proposed in the table editor for review.

#include "nav/deviation_fit.h"
#include "nav/worked.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <vector>

class DeviationRows;
class QLabel;

namespace toolkit {
class SpeedButton;
}

class TForm7 : public QDialog {
    Q_OBJECT

public:
    // As many as the fit's five coefficients need.
    inline static constexpr int kMinSwingHeadings = nav::kMinFitHeadings;
    inline static constexpr int kMaxSwingHeadings = 36;

    // proposeTable: opens the editor on the generated rows.
    explicit TForm7(std::function<void(const std::vector<nav::DeviationRow>&)> proposeTable,
                    QWidget* parent = nullptr);

    // The eight cardinal and intercardinal headings, then the window modally.
    void Open();
    void Reset();

    void BTNAGGIUNGIClick();
    void BTNELIMINAClick();
    void BTNGENERAClick();
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

signals:
    // A fit that succeeded, worked out for the log.
    void Solved(const nav::Worked& worked);

private:
    void BuildLayout();

    std::function<void(const std::vector<nav::DeviationRow>&)> proposeTable_;
    std::optional<nav::DeviationFit> fit_;
};

// The refusal of a fit in the user's words.
QString FitRefusalText(nav::FitRefusal refusal, int distinctHeadings);

// "A = +0,5°" ... one per line, one decimal.
QString CoefficientsText(const nav::DeviationCoefficients& c);
