#pragma once
// The deviation card: one A4 page with the vessel's name, the date, the
// table in two columns of 18 rows, the curve and its coefficients. One
// painting serves the PNG, the PDF and the printer.

#include "nav/deviation_fit.h"

#include <QDate>
#include <QRectF>
#include <QString>

#include <optional>
#include <vector>

class QPainter;

struct DeviationCard {
    QString vessel;
    QDate date;
    std::vector<nav::DeviationRow> rows;  // the table, in file order
    std::optional<nav::DeviationFit> fit;
    QString refusal;  // why there is no curve, shown in its place
};

// The card's page in millimetres, and where its curve is drawn on it.
inline constexpr double kCardWidthMm = 210.0;
inline constexpr double kCardHeightMm = 297.0;
QRectF CardChartRectMm();

// The colour of the fitted curve, on the card and in the window.
inline constexpr unsigned kCurveRgb = 0x0050B4;     // a clear blue
inline constexpr unsigned kPointRgb = 0x202020;
inline constexpr unsigned kSuspectRgb = 0xD02020;

// The deviation axis of the card and the window: from -top to +top in whole
// steps of `step` degrees, so that every tick falls on a whole degree.
struct DeviationScale {
    double top;
    double step;
};
DeviationScale ChartScale(double largestDeviation);

// A number of degrees as the card and the windows show it: rounded to
// `decimals`, the locale's mark, "+" before a positive value when asked,
// never "-0.0".
QString DegreesText(double x, int decimals, bool plusSign);

// Paints the card over `page`, a rectangle of the A4 proportions in the
// painter's coordinates.
void PaintDeviationCard(QPainter& painter, const QRectF& page, const DeviationCard& card);

// The table rows the card lists, at most 36: the rows themselves sorted by
// heading when they fit, else the program's deviation at every 10°.
std::vector<nav::DeviationRow> CardRows(const std::vector<nav::DeviationRow>& rows);

// Writes the card; an empty text on success, else the reason.
QString ExportCardPdf(const QString& path, const DeviationCard& card);
QString ExportCardPng(const QString& path, const DeviationCard& card);
