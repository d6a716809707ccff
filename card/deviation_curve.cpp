#include "card/deviation_curve.h"

#include "card/compass_swing.h"
#include "nav/angle.h"
#include "nav/deviation_file.h"
#include "toolkit/accessible_names.h"
#include "toolkit/color_scheme.h"
#include "toolkit/fonts.h"
#include "toolkit/form_layout.h"
#include "toolkit/platform.h"
#include "toolkit/speed_button.h"

#include <QChart>
#include <QChartView>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <QScatterSeries>
#include <QSettings>
#include <QStandardPaths>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace tk = toolkit;

namespace {

constexpr int kClientWidth = 640;
constexpr int kClientHeight = 470;
constexpr int kWindowFontPx = 11;
constexpr int kCoefficientsFontPx = 13;
constexpr tk::TColor kSuspectTextColor = tk::RGB(0xD0, 0x20, 0x20);  // the card's red
constexpr int kPanelX = 480;
constexpr int kButtonWidth = 150;
constexpr int kButtonHeight = 28;

tk::SpeedButton* MakeButton(QWidget* parent, const char* name, const QString& caption, int y)
{
    return tk::TextButton(parent, QString::fromLatin1(name), caption, QRect(kPanelX, y, kButtonWidth, kButtonHeight));
}

QString OneDecimal(double x)
{
    return DegreesText(x, 1, true);
}

QPen InScheme(QPen pen, tk::Tone tone)
{
    pen.setColor(tk::SchemeColor(pen.color(), tone));
    return pen;
}

QBrush InScheme(QBrush brush, tk::Tone tone)
{
    if (const QGradient* gradient = brush.gradient()) {
        QGradient shaded = *gradient;
        QGradientStops stops = shaded.stops();
        for (QGradientStop& stop : stops)
            stop.second = tk::SchemeColor(stop.second, tone);
        shaded.setStops(stops);
        return QBrush(shaded);
    }
    brush.setColor(tk::SchemeColor(brush.color(), tone));
    return brush;
}

// The chart draws itself, in the colours of its theme and of its series:
// each passes through the scheme.
void ShowInScheme(QChart* chart)
{
    chart->setBackgroundBrush(InScheme(chart->backgroundBrush(), tk::Tone::Paper));
    chart->setBackgroundPen(InScheme(chart->backgroundPen(), tk::Tone::Edge));
    for (QAbstractAxis* axis : chart->axes()) {
        axis->setLabelsBrush(InScheme(axis->labelsBrush(), tk::Tone::Ink));
        axis->setTitleBrush(InScheme(axis->titleBrush(), tk::Tone::Ink));
        axis->setLinePen(InScheme(axis->linePen(), tk::Tone::Edge));
        axis->setGridLinePen(InScheme(axis->gridLinePen(), tk::Tone::Edge));
        axis->setMinorGridLinePen(InScheme(axis->minorGridLinePen(), tk::Tone::Edge));
    }
    for (QAbstractSeries* series : chart->series()) {
        if (auto* scatter = qobject_cast<QScatterSeries*>(series)) {
            // A solid marker stays as bright as its rim.
            const bool solid = scatter->color() == scatter->borderColor();
            scatter->setColor(tk::SchemeColor(scatter->color(), solid ? tk::Tone::Ink : tk::Tone::Paper));
            scatter->setBorderColor(tk::SchemeColor(scatter->borderColor(), tk::Tone::Ink));
        } else if (auto* line = qobject_cast<QXYSeries*>(series)) {
            line->setPen(InScheme(line->pen(), tk::Tone::Ink));
        }
    }
}

}  // namespace

TForm8::TForm8(std::function<nav::DeviationTable()> table, QSettings& settings, QWidget* parent)
    : QDialog(parent)
    , table_(std::move(table))
    , settings_(settings)
{
    askSavePath = [this](const QString& caption, const QString& suggested, const QString& filter) {
        return toolkit::platform().SaveFileName(this, caption, suggested, filter);
    };
    askPrinter = [this](QPrinter& printer) { return toolkit::platform().ChoosePrinter(this, printer); };
    BuildLayout();
    EDNAVE->setText(settings_.value(QString::fromLatin1(kVesselNameKey)).toString());
    connect(EDNAVE, &QLineEdit::editingFinished, this, &TForm8::RememberVessel);
    connect(BTNPNG, &tk::SpeedButton::clicked, this, &TForm8::BTNPNGClick);
    connect(BTNPDF, &tk::SpeedButton::clicked, this, &TForm8::BTNPDFClick);
    connect(BTNSTAMPA, &tk::SpeedButton::clicked, this, &TForm8::BTNSTAMPAClick);
    connect(BTNCHIUDI, &tk::SpeedButton::clicked, this, &QDialog::accept);
    connect(&tk::ColorScheme::instance(), &tk::ColorScheme::NightChanged, this, &TForm8::Refresh);
}

void TForm8::BuildLayout()
{
    tk::SetUpDialog(this, {QStringLiteral("Form8"), tr("Orvane2004 - Curva delle deviazioni"),
                           {kClientWidth, kClientHeight}, kWindowFontPx, tk::clBtnFace});

    CHCURVA = new QChartView(this);
    CHCURVA->setObjectName(QStringLiteral("CHCURVA"));
    CHCURVA->setGeometry(5, 5, 465, 330);
    CHCURVA->setRenderHint(QPainter::Antialiasing);

    const QFont bold = tk::UiFont(kWindowFontPx, true);
    tk::MakeLabel(this, QStringLiteral("Label1"), tr("Coefficienti"), kPanelX, 10, tk::clWindowText, bold);
    LBCOEFF = new QLabel(this);
    LBCOEFF->setObjectName(QStringLiteral("LBCOEFF"));
    LBCOEFF->setGeometry(kPanelX, 28, kButtonWidth, 120);
    LBCOEFF->setFont(tk::UiFont(kCoefficientsFontPx, true));
    LBCOEFF->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LBCOEFF->setWordWrap(true);

    LBSOSPETTE = new QLabel(this);
    LBSOSPETTE->setObjectName(QStringLiteral("LBSOSPETTE"));
    LBSOSPETTE->setGeometry(10, 340, 460, 60);
    LBSOSPETTE->setWordWrap(true);
    LBSOSPETTE->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    tk::MakeLabel(this, QStringLiteral("Label2"), tr("Imbarcazione"), 10, 414, tk::clWindowText, bold);
    EDNAVE = new QLineEdit(this);
    toolkit::SetEntryHint(EDNAVE, toolkit::Entry::Text);
    EDNAVE->setObjectName(QStringLiteral("EDNAVE"));
    EDNAVE->setGeometry(100, 410, 250, 24);
    EDNAVE->setMaxLength(60);

    BTNPNG = MakeButton(this, "BTNPNG", tr("Esporta PNG…"), 300);
    BTNPDF = MakeButton(this, "BTNPDF", tr("Esporta PDF…"), 336);
    BTNSTAMPA = MakeButton(this, "BTNSTAMPA", tr("Stampa…"), 372);
    BTNCHIUDI = MakeButton(this, "BTNCHIUDI", tr("Chiudi"), 430);
}

void TForm8::Refresh()
{
    rows_ = nav::RowsOf(table_());
    fit_ = nav::FitDeviation(rows_);
    const std::vector<bool> marked = fit_.fit ? nav::LikelyTypingErrors(*fit_.fit) : std::vector<bool>();
    if (fit_.fit) {
        const nav::DeviationFit& f = *fit_.fit;
        LBCOEFF->setText(CoefficientsText(f.coefficients) + QStringLiteral("\n") +
                         tr("RMS = %1°").arg(QLocale().toString(f.rms, 'f', 2)));
        QStringList suspects;
        for (std::size_t i = 0; i < rows_.size(); ++i) {
            if (marked[i])
                suspects << tr("riga %1 (Pb %2°: %3, scarto %4)")
                                .arg(i + 1)
                                .arg(QLocale().toString(rows_[i].Pb, 'f', 1), OneDecimal(rows_[i].Dev),
                                     OneDecimal(f.residuals[i]));
        }
        if (suspects.isEmpty())
            tk::SetColoredText(LBSOSPETTE, tk::clWindowText,
                               tr("Nessuna riga sospetta: ogni riga sta entro 1° o entro tre volte lo scarto medio."));
        else
            tk::SetColoredText(LBSOSPETTE, kSuspectTextColor,
                               tr("Probabili errori di battitura: %1").arg(suspects.join(QStringLiteral("; "))));
    } else {
        LBCOEFF->setText(QString());
        tk::SetColoredText(LBSOSPETTE, tk::clMaroon, FitRefusalText(fit_.refusal, fit_.distinctHeadings));
    }
    ShowChart(marked);
}

void TForm8::ShowChart(const std::vector<bool>& marked)
{
    auto* chart = new QChart();
    chart->legend()->hide();
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->setBackgroundRoundness(0);

    auto* points = new QScatterSeries();
    points->setName(tr("Tabella"));
    points->setMarkerSize(7);
    points->setColor(Qt::white);
    points->setBorderColor(QColor(kPointRgb));
    auto* suspects = new QScatterSeries();
    suspects->setName(tr("Righe sospette"));
    suspects->setMarkerSize(10);
    suspects->setColor(QColor(kSuspectRgb));
    suspects->setBorderColor(QColor(kSuspectRgb));
    double top = 2.0;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (!std::isfinite(rows_[i].Pb) || !std::isfinite(rows_[i].Dev))
            continue;
        (i < marked.size() && marked[i] ? suspects : points)->append(nav::OnCircle(rows_[i].Pb), rows_[i].Dev);
        top = std::max(top, std::fabs(rows_[i].Dev));
    }
    auto* curve = new QLineSeries();
    curve->setName(tr("Curva"));
    if (fit_.fit) {
        for (int h = 0; h <= 360; h += 2) {
            const double d = nav::DeviationAt(fit_.fit->coefficients, h);
            curve->append(h, d);
            top = std::max(top, std::fabs(d));
        }
    }
    curve->setPen(QPen(QColor(kCurveRgb), 2.5));
    chart->addSeries(curve);
    chart->addSeries(points);
    chart->addSeries(suspects);

    auto* x = new QValueAxis();
    x->setRange(0, 360);
    x->setTickCount(9);
    // The axes format their labels with printf, which mangles a degree sign.
    const QString degrees = QString::fromUtf8(" (°)");
    x->setLabelFormat(QStringLiteral("%d"));
    x->setTitleText(tr("Prora bussola") + degrees);
    auto* y = new QValueAxis();
    const DeviationScale scale = ChartScale(top);
    y->setRange(-scale.top, scale.top);
    y->setTickCount(static_cast<int>(std::lround(2 * scale.top / scale.step)) + 1);
    y->setLabelFormat(QStringLiteral("%+.0f"));
    y->setTitleText(tr("Deviazione") + degrees);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* s : chart->series()) {
        s->attachAxis(x);
        s->attachAxis(y);
    }
    ShowInScheme(chart);
    QChart* old = CHCURVA->chart();
    CHCURVA->setChart(chart);
    delete old;
}

QString TForm8::RememberVessel()
{
    const QString vessel = EDNAVE->text().trimmed();
    settings_.setValue(QString::fromLatin1(kVesselNameKey), vessel);
    return vessel;
}

void TForm8::Open()
{
    Refresh();
    exec();
}

DeviationCard TForm8::Card() const
{
    DeviationCard card;
    card.vessel = EDNAVE->text().trimmed();
    card.date = QDate::currentDate();
    card.rows = rows_;
    card.fit = fit_.fit;
    if (!fit_.fit)
        card.refusal = FitRefusalText(fit_.refusal, fit_.distinctHeadings);
    return card;
}

void TForm8::Export(const QString& caption, const QString& suffix, const QString& filter,
                    QString (*write)(const QString&, const DeviationCard&))
{
    const QString vessel = RememberVessel();
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString name = tr("deviazioni");
    if (!vessel.isEmpty())
        name += QLatin1Char('-') + QString(vessel).replace(QLatin1Char('/'), QLatin1Char('-'));
    QString path = askSavePath(caption, QDir(folder).filePath(name + suffix), filter);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += suffix;
    const QString reason = write(path, Card());
    if (!reason.isEmpty())
        tk::platform().ErrorBox(this, tr("Impossibile scrivere %1:\n%2").arg(QDir::toNativeSeparators(path), reason));
}

void TForm8::BTNPNGClick()
{
    Export(tr("Esporta la tabella come immagine"), QStringLiteral(".png"), tr("Immagini PNG (*.png)"),
           &ExportCardPng);
}

void TForm8::BTNPDFClick()
{
    Export(tr("Esporta la tabella come PDF"), QStringLiteral(".pdf"), tr("Documenti PDF (*.pdf)"), &ExportCardPdf);
}

void TForm8::BTNSTAMPAClick()
{
    RememberVessel();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
    if (!askPrinter(printer))
        return;
    QPainter painter;
    if (!painter.begin(&printer)) {
        tk::platform().ErrorBox(this, tr("Stampa non riuscita."));
        return;
    }
    PaintDeviationCard(painter, printer.paperRect(QPrinter::DevicePixel), Card());
    painter.end();
}
