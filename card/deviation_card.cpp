#include "card/deviation_card.h"

#include "nav/angle.h"
#include "nav/deviation_file.h"
#include "toolkit/fonts.h"
#include "toolkit/whole_file.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>

namespace {

// The card is laid out in tenths of a millimetre.
constexpr double kUnit = 10.0;
constexpr double kMargin = 150;
constexpr double kPageW = kCardWidthMm * kUnit;
constexpr double kPageH = kCardHeightMm * kUnit;
constexpr QRectF kChart{kMargin + 90, 420, kPageW - 2 * kMargin - 110, 880};
constexpr int kCardRowsPerColumn = 18;
constexpr int kCardColumns = 2;
constexpr int kCardTableRows = kCardRowsPerColumn * kCardColumns;
constexpr int kTableStepDegrees = 10;
constexpr double kLineHeight = 62;
constexpr int kPngDpi = 150;
constexpr double kMmPerInch = 25.4;

QFont Font(double height, bool bold = false)
{
    QFont f = toolkit::UiFont(static_cast<int>(height), bold);
    return f;
}

QString Degrees(double x, bool sign)
{
    return DegreesText(x, 1, sign);
}

void PaintChart(QPainter& p, const DeviationCard& card)
{
    double top = 2.0;
    for (const nav::DeviationRow& r : card.rows)
        top = std::max(top, std::fabs(r.Dev));
    if (card.fit) {
        for (int h = 0; h <= 360; h += 5)
            top = std::max(top, std::fabs(nav::DeviationAt(card.fit->coefficients, h)));
    }
    const auto [scaleTop, step] = ChartScale(top);
    top = scaleTop;
    const auto x = [](double heading) { return kChart.left() + heading / 360.0 * kChart.width(); };
    const auto y = [top](double dev) { return kChart.center().y() - dev / top * kChart.height() / 2; };

    p.setFont(Font(30));
    p.setPen(QPen(QColor(0xC8C8C8), 2));
    for (int h = 0; h <= 360; h += 30) {
        p.drawLine(QPointF(x(h), kChart.top()), QPointF(x(h), kChart.bottom()));
        p.setPen(Qt::black);
        p.drawText(QRectF(x(h) - 60, kChart.bottom() + 8, 120, 40), Qt::AlignHCenter | Qt::AlignTop,
                   QStringLiteral("%1°").arg(h));
        p.setPen(QPen(QColor(0xC8C8C8), 2));
    }
    for (double d = -top; d <= top + 1e-9; d += step) {
        p.setPen(QPen(QColor(d == 0 ? 0x606060 : 0xC8C8C8), d == 0 ? 4 : 2));
        p.drawLine(QPointF(kChart.left(), y(d)), QPointF(kChart.right(), y(d)));
        p.setPen(Qt::black);
        p.drawText(QRectF(kChart.left() - 100, y(d) - 20, 90, 40), Qt::AlignRight | Qt::AlignVCenter,
                   DegreesText(d, 0, true));
    }
    p.setPen(QPen(Qt::black, 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(kChart);
    p.drawText(QRectF(kChart.left(), kChart.bottom() + 50, kChart.width(), 40), Qt::AlignHCenter,
               QCoreApplication::translate("DeviationCard", "Prora bussola"));

    p.save();
    p.setClipRect(kChart);
    if (card.fit) {
        QPainterPath curve;
        for (int h = 0; h <= 360; ++h) {
            const QPointF at(x(h), y(nav::DeviationAt(card.fit->coefficients, h)));
            h == 0 ? curve.moveTo(at) : curve.lineTo(at);
        }
        p.setPen(QPen(QColor(kCurveRgb), 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(curve);
    }
    const std::vector<bool> suspect = card.fit ? nav::LikelyTypingErrors(*card.fit) : std::vector<bool>();
    for (std::size_t i = 0; i < card.rows.size(); ++i) {
        const bool marked = i < suspect.size() && suspect[i];
        const QPointF at(x(nav::OnCircle(card.rows[i].Pb)), y(card.rows[i].Dev));
        p.setPen(QPen(QColor(marked ? kSuspectRgb : kPointRgb), 4));
        p.setBrush(marked ? QBrush(QColor(kSuspectRgb)) : QBrush(Qt::white));
        p.drawEllipse(at, marked ? 14.0 : 8.0, marked ? 14.0 : 8.0);
    }
    p.restore();

    if (!card.fit && !card.refusal.isEmpty()) {
        p.setPen(QColor(kSuspectRgb));
        p.setFont(Font(36, true));
        p.drawText(kChart.adjusted(40, 40, -40, -40), Qt::AlignCenter | Qt::TextWordWrap, card.refusal);
    }
}

void PaintTable(QPainter& p, const std::vector<nav::DeviationRow>& rows, const std::vector<bool>& suspect,
                double top)
{
    const double width = (kPageW - 2 * kMargin - 100) / kCardColumns;
    const double cell = width / 3;
    const QString headings[] = {QCoreApplication::translate("DeviationCard", "Pb"), QCoreApplication::translate("DeviationCard", "Dev"), QCoreApplication::translate("DeviationCard", "Pm")};
    for (int column = 0; column < kCardColumns; ++column) {
        const double left = kMargin + column * (width + 100);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xE4E4E4));
        p.drawRect(QRectF(left, top, width, kLineHeight));
        p.setPen(Qt::black);
        p.setFont(Font(34, true));
        for (int c = 0; c < 3; ++c)
            p.drawText(QRectF(left + c * cell, top, cell - 40, kLineHeight), Qt::AlignRight | Qt::AlignVCenter,
                       headings[c]);
        p.setFont(Font(34));
        for (int r = 0; r < kCardRowsPerColumn; ++r) {
            const double y = top + (r + 1) * kLineHeight;
            if (r % 2 == 1) {
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(0xF4F4F4));
                p.drawRect(QRectF(left, y, width, kLineHeight));
                p.setPen(Qt::black);
            }
            const std::size_t i = static_cast<std::size_t>(column * kCardRowsPerColumn + r);
            if (i >= rows.size())
                continue;
            const double values[] = {rows[i].Pb, rows[i].Dev, rows[i].Pm};
            if (suspect[i])
                p.setPen(QColor(kSuspectRgb));
            for (int c = 0; c < 3; ++c)
                p.drawText(QRectF(left + c * cell, y, cell - 40, kLineHeight), Qt::AlignRight | Qt::AlignVCenter,
                           Degrees(values[c], c == 1));
            p.setPen(Qt::black);
        }
        p.setPen(QPen(Qt::black, 3));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(left, top, width, (kCardRowsPerColumn + 1) * kLineHeight));
    }
}

}  // namespace

QString DegreesText(double x, int decimals, bool plusSign)
{
    const double scale = std::pow(10.0, decimals);
    double rounded = std::round(x * scale) / scale;
    if (rounded == 0.0)
        rounded = 0.0;  // no "-0.0"
    QString text = QLocale().toString(rounded, 'f', decimals);
    if (plusSign && rounded > 0.0)
        text.prepend(QLatin1Char('+'));
    return text + QString::fromUtf8("°");
}

QRectF CardChartRectMm()
{
    return {kChart.x() / kUnit, kChart.y() / kUnit, kChart.width() / kUnit, kChart.height() / kUnit};
}

std::vector<nav::DeviationRow> CardRows(const std::vector<nav::DeviationRow>& rows)
{
    if (rows.size() <= static_cast<std::size_t>(kCardTableRows))
        return nav::SortedByHeading(rows);
    // A finer table does not fit: what the program answers every 10°.
    nav::DeviationTable table;
    table.count = static_cast<int>(std::min<std::size_t>(rows.size(), nav::kDeviationCapacity));
    std::copy_n(rows.begin(), table.count, table.rows.begin());
    std::vector<nav::DeviationRow> card;
    for (int h = 0; h < 360; h += kTableStepDegrees) {
        nav::DeviationRow r;
        r.Pb = h;
        r.Dev = nav::DeviationForCompass(table, h * nav::kSecondsPerDegree) / double{nav::kSecondsPerDegree};
        r.Pm = nav::WrapDegrees(r.Pb + r.Dev);
        card.push_back(r);
    }
    return card;
}

DeviationScale ChartScale(double largestDeviation)
{
    const double largest = std::min(std::fabs(largestDeviation), nav::kMaxRowDeviation);
    const double step = largest > 30 ? 10.0 : largest > 12 ? 5.0 : largest > 6 ? 2.0 : 1.0;
    return {std::min(std::ceil(largest / step + 0.25) * step, nav::kMaxRowDeviation), step};
}

void PaintDeviationCard(QPainter& p, const QRectF& page, const DeviationCard& card)
{
    p.save();
    p.translate(page.topLeft());
    p.scale(page.width() / kPageW, page.height() / kPageH);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(QRectF(0, 0, kPageW, kPageH), Qt::white);

    p.setPen(Qt::black);
    p.setFont(Font(80, true));
    p.drawText(QRectF(kMargin, kMargin, kPageW - 2 * kMargin, 100), Qt::AlignLeft | Qt::AlignTop,
               QCoreApplication::translate("DeviationCard", "Tabella delle deviazioni"));
    p.setFont(Font(40));
    const QString vessel = card.vessel.trimmed().isEmpty() ? QStringLiteral("________________") : card.vessel.trimmed();
    p.drawText(QRectF(kMargin, kMargin + 110, kPageW - 2 * kMargin - 500, 60), Qt::AlignLeft | Qt::AlignTop,
               QCoreApplication::translate("DeviationCard", "Imbarcazione: %1").arg(vessel));
    p.drawText(QRectF(kPageW - kMargin - 500, kMargin + 110, 500, 60), Qt::AlignRight | Qt::AlignTop,
               QCoreApplication::translate("DeviationCard", "Data: %1").arg(QLocale().toString(card.date, QLocale::ShortFormat)));
    p.setPen(QPen(Qt::black, 4));
    p.drawLine(QPointF(kMargin, kMargin + 180), QPointF(kPageW - kMargin, kMargin + 180));

    PaintChart(p, card);

    double y = kChart.bottom() + 110;
    p.setPen(Qt::black);
    p.setFont(Font(34));
    p.drawText(QRectF(kMargin, y, kPageW - 2 * kMargin, 50), Qt::AlignLeft,
               QCoreApplication::translate("DeviationCard", "δ = A + B sin θ + C cos θ + D sin 2θ + E cos 2θ   (θ prora bussola, δ + verso Est)"));
    y += 60;
    p.setFont(Font(38, true));
    if (card.fit) {
        const nav::DeviationCoefficients& c = card.fit->coefficients;
        p.drawText(QRectF(kMargin, y, kPageW - 2 * kMargin, 60), Qt::AlignLeft,
                   QStringLiteral("A = %1    B = %2    C = %3    D = %4    E = %5")
                       .arg(Degrees(c.A, true), Degrees(c.B, true), Degrees(c.C, true), Degrees(c.D, true),
                            Degrees(c.E, true)));
        p.setFont(Font(34));
        const auto marks = nav::LikelyTypingErrors(*card.fit);
        const auto suspects = std::count(marks.begin(), marks.end(), true);
        QString rms = QCoreApplication::translate("DeviationCard", "Scarto quadratico medio: %1").arg(QLocale().toString(card.fit->rms, 'f', 2) + QString::fromUtf8("°"));
        if (suspects > 0)
            rms += QStringLiteral("   ") + QCoreApplication::translate("DeviationCard", "Righe sospette (in rosso): %1").arg(suspects);
        p.drawText(QRectF(kMargin, y + 60, kPageW - 2 * kMargin, 50), Qt::AlignLeft, rms);
    } else {
        p.drawText(QRectF(kMargin, y, kPageW - 2 * kMargin, 60), Qt::AlignLeft, card.refusal);
    }

    const std::vector<nav::DeviationRow> rows = CardRows(card.rows);
    // The listed rows are sorted copies: a suspect one is found by its values.
    const std::vector<bool> marks = card.fit ? nav::LikelyTypingErrors(*card.fit) : std::vector<bool>();
    std::vector<bool> suspect(rows.size(), false);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        for (std::size_t j = 0; j < card.rows.size() && j < marks.size(); ++j) {
            if (marks[j] && card.rows[j].Pb == rows[i].Pb && card.rows[j].Dev == rows[i].Dev)
                suspect[i] = true;
        }
    }
    const double tableTop = y + 150;
    PaintTable(p, rows, suspect, tableTop);
    if (card.rows.size() > static_cast<std::size_t>(kCardTableRows)) {
        p.setFont(Font(30));
        p.drawText(QRectF(kMargin, tableTop + (kCardRowsPerColumn + 1) * kLineHeight + 15, kPageW - 2 * kMargin, 50),
                   Qt::AlignLeft,
                   QCoreApplication::translate("DeviationCard", "Ogni 10°, dalla riga più vicina della tabella (%1 righe).").arg(card.rows.size()));
    }
    p.restore();
}

QString ExportCardPdf(const QString& path, const DeviationCard& card)
{
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        pdf.setTitle(QCoreApplication::translate("DeviationCard", "Tabella delle deviazioni"));
        pdf.setCreator(QStringLiteral("Orvane"));
        QPainter painter;
        if (!painter.begin(&pdf))
            return QCoreApplication::translate("DeviationCard", "impossibile creare il PDF");
        PaintDeviationCard(painter, QRectF(0, 0, pdf.width(), pdf.height()), card);
        painter.end();
    }
    return toolkit::WriteWholeFile(path, bytes);
}

QString ExportCardPng(const QString& path, const DeviationCard& card)
{
    const int w = static_cast<int>(std::lround(kCardWidthMm / kMmPerInch * kPngDpi));
    const int h = static_cast<int>(std::lround(kCardHeightMm / kMmPerInch * kPngDpi));
    QImage image(w, h, QImage::Format_RGB32);
    image.setDotsPerMeterX(static_cast<int>(std::lround(kPngDpi / kMmPerInch * 1000)));
    image.setDotsPerMeterY(image.dotsPerMeterX());
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PaintDeviationCard(painter, QRectF(0, 0, w, h), card);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return QCoreApplication::translate("DeviationCard", "impossibile scrivere l'immagine");
    return toolkit::WriteWholeFile(path, bytes);
}
