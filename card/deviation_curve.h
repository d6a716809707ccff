#pragma once
// TForm8, the deviation curve: the table's rows as points and the fitted
// curve over 0–360°, its coefficients and RMS residual, the rows that are
// likely typing errors, and the card exported as PNG or PDF or printed.

#include "card/deviation_card.h"

#include <QDialog>

#include <functional>

class QChart;
class QChartView;
class QLabel;
class QLineEdit;
class QPrinter;
class QSettings;

namespace toolkit {
class SpeedButton;
}

class TForm8 : public QDialog {
    Q_OBJECT

public:
    // table: the rows in use; settings: where the vessel's name is kept.
    TForm8(std::function<nav::DeviationTable()> table, QSettings& settings, QWidget* parent = nullptr);

    // Reads the table, fits it and shows the window modally.
    void Open();
    // Reads the table and fits it.
    void Refresh();

    // The card as it would be exported now.
    DeviationCard Card() const;

    void BTNPNGClick();
    void BTNPDFClick();
    void BTNSTAMPAClick();

    // Asks where to write: caption, suggested name, filter. Tests answer it.
    std::function<QString(const QString&, const QString&, const QString&)> askSavePath;
    // Lets the user set up the printer; false to print nothing. Tests answer it.
    std::function<bool(QPrinter&)> askPrinter;

    QChartView* CHCURVA = nullptr;
    QLabel* LBCOEFF = nullptr;
    QLabel* LBSOSPETTE = nullptr;
    QLineEdit* EDNAVE = nullptr;
    toolkit::SpeedButton* BTNPNG = nullptr;
    toolkit::SpeedButton* BTNPDF = nullptr;
    toolkit::SpeedButton* BTNSTAMPA = nullptr;
    toolkit::SpeedButton* BTNCHIUDI = nullptr;

private:
    void BuildLayout();
    // marked: the rows that are likely typing errors, in row order.
    void ShowChart(const std::vector<bool>& marked);
    // The vessel's name as typed, trimmed, remembered for the next card.
    QString RememberVessel();
    void Export(const QString& caption, const QString& suffix, const QString& filter,
                QString (*write)(const QString&, const DeviationCard&));

    std::function<nav::DeviationTable()> table_;
    QSettings& settings_;
    std::vector<nav::DeviationRow> rows_;
    nav::DeviationFitResult fit_;
};

// The settings key of the vessel's name.
inline constexpr char kVesselNameKey[] = "card/vessel";
