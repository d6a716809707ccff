#include "card/compass_swing.h"

#include "card/deviation_card.h"
#include "card/deviation_rows.h"
#include "nav/deviation_file.h"
#include "nav/worked_tools.h"
#include "toolkit/color.h"
#include "toolkit/fonts.h"
#include "toolkit/form_layout.h"
#include "toolkit/languages.h"
#include "toolkit/platform.h"
#include "toolkit/speed_button.h"

#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QTimer>

namespace tk = toolkit;

namespace {

constexpr int kClientWidth = 420;
// Grown by the row of "Da GPS" under the status line.
constexpr int kClientHeight = 500;
constexpr int kWindowFontPx = 11;
constexpr int kCoefficientsFontPx = 13;
constexpr int kButtonX = 260;
constexpr int kButtonWidth = 150;
constexpr int kButtonHeight = 28;
constexpr int kEightPointStep = 45;
constexpr int kGpsButtonY = 240;
constexpr QRect kGpsPlace{10, 436, 400, 60};
constexpr int kMillisPerSecond = 1000;

tk::SpeedButton* MakeButton(QWidget* parent, const char* name, const QString& caption, int y)
{
    return tk::TextButton(parent, QString::fromLatin1(name), caption, QRect(kButtonX, y, kButtonWidth, kButtonHeight));
}

QString Signed(double x)
{
    return DegreesText(x, 1, true);
}

}  // namespace

QString FitRefusalText(nav::FitRefusal refusal, int distinctHeadings)
{
    switch (refusal) {
    case nav::FitRefusal::TooFewHeadings:
        return TForm7::tr("Con %1 prore distinte la curva non è determinata: i suoi 5 coefficienti "
                          "chiedono almeno 5 prore.")
            .arg(distinctHeadings);
    case nav::FitRefusal::Undetermined:
        return TForm7::tr("Prore troppo vicine tra loro: la curva non è determinata. "
                          "Osservare prore distribuite su tutto l'orizzonte.");
    case nav::FitRefusal::NotFinite:
        return TForm7::tr("Valore fuori limite !");
    }
    return {};
}

QString GpsSwingText(const nav::GpsSwingResult& r)
{
    const auto seconds = nav::kGpsSwingMillis / kMillisPerSecond;
    const QString limit = DegreesText(nav::kGpsSwingMaxSpread, 0, false);
    const QString spread = TForm7::tr("Scarto massimo dalla media: prora %1, rotta %2.")
                               .arg(DegreesText(r.headingSpread, 1, false), DegreesText(r.courseSpread, 1, false));
    switch (r.refusal) {
    case nav::GpsSwingRefusal::None: {
        QString text = TForm7::tr("Prora bussola %1: deviazione %2 (rotta magnetica %3, %4 nodi). %5")
                           .arg(DegreesText(r.compassHeading, 1, false), Signed(r.deviation),
                                DegreesText(r.magneticCourse, 1, false), QLocale().toString(r.speed, 'f', 1), spread);
        if (r.source == nav::SwingHeadingSource::Hdm)
            text += TForm7::tr(" Prora da HDM: la bussola elettronica applica già la sua correzione.");
        return text;
    }
    case nav::GpsSwingRefusal::NoHeading:
        return TForm7::tr("Nessuna prora dalla bussola (HDG o HDM) in %1 s: nessuna riga scritta.").arg(seconds);
    case nav::GpsSwingRefusal::NoCourse:
        return TForm7::tr("Nessuna rotta dal GPS (RMC o VTG) in %1 s: nessuna riga scritta.").arg(seconds);
    case nav::GpsSwingRefusal::TooSlow:
        return TForm7::tr("Velocità sul fondo %1 nodi: ne servono almeno %2. Nessuna riga scritta.")
            .arg(QLocale().toString(r.speed, 'f', 1), QLocale().toString(nav::kGpsSwingMinSpeed));
    case nav::GpsSwingRefusal::HeadingWandered:
        return TForm7::tr("La prora si è scostata più di %1 dalla media: tenerla ferma e ripetere. %2")
            .arg(limit, spread);
    case nav::GpsSwingRefusal::CourseWandered:
        return TForm7::tr("La rotta sul fondo si è scostata più di %1 dalla media: con corrente o scarroccio "
                          "la misura non vale. %2")
            .arg(limit, spread);
    case nav::GpsSwingRefusal::TooLarge:
        return TForm7::tr("Deviazione %1 oltre ±%2: controllare la declinazione e gli strumenti. "
                          "Nessuna riga scritta.")
            .arg(Signed(r.deviation), DegreesText(nav::kMaxRowDeviation, 0, false));
    }
    return {};
}

QString CoefficientsText(const nav::DeviationCoefficients& c)
{
    return QStringLiteral("A = %1\nB = %2\nC = %3\nD = %4\nE = %5")
        .arg(Signed(c.A), Signed(c.B), Signed(c.C), Signed(c.D), Signed(c.E));
}

TForm7::TForm7(std::function<void(const std::vector<nav::DeviationRow>&)> proposeTable,
               std::function<nav::Angle()> declination, QWidget* parent)
    : QDialog(parent)
    , proposeTable_(std::move(proposeTable))
    , declination_(std::move(declination))
    , clock_(&QDateTime::currentMSecsSinceEpoch)
{
    BuildLayout();
    connect(BTNAGGIUNGI, &tk::SpeedButton::clicked, this, &TForm7::BTNAGGIUNGIClick);
    connect(BTNELIMINA, &tk::SpeedButton::clicked, this, &TForm7::BTNELIMINAClick);
    connect(BTNGENERA, &tk::SpeedButton::clicked, this, &TForm7::BTNGENERAClick);
    connect(BTNCHIUDI, &tk::SpeedButton::clicked, this, &QDialog::reject);
    connect(BTNGPSREG, &tk::SpeedButton::clicked, this, &TForm7::BTNGPSREGClick);
    connect(SGGIRO, &QTableWidget::cellChanged, this, &TForm7::Refit);
    TMGPS = new QTimer(this);
    TMGPS->setObjectName(QStringLiteral("TMGPS"));
    TMGPS->setInterval(kCountdownTickMs);
    connect(TMGPS, &QTimer::timeout, this, &TForm7::GpsTick);
    // A measurement does not outlive the window it shows in.
    connect(this, &QDialog::finished, this, [this] {
        if (gps_.Running())
            LBGPS->clear();
        StopGps();
    });
    Reset();
}

void TForm7::BuildLayout()
{
    tk::SetUpDialog(this, {QStringLiteral("Form7"), tr("Orvane2004 - Giro bussola"),
                           {kClientWidth, kClientHeight}, kWindowFontPx, tk::clBtnFace});

    tk::MakeLabel(this, QStringLiteral("Label1"), tr("Deviazioni osservate (da 5 a 36 prore)"), 10, 8,
                  tk::clWindowText, tk::UiFont(kWindowFontPx, true));
    SGGIRO = new DeviationRows(this, QStringLiteral("SGGIRO"), kMaxSwingHeadings);
    SGGIRO->setGeometry(10, 28, 240, 330);
    BTNAGGIUNGI = MakeButton(this, "BTNAGGIUNGI", tr("Aggiungi prora"), 28);
    BTNELIMINA = MakeButton(this, "BTNELIMINA", tr("Elimina prore"), 64);
    tk::MakeLabel(this, QStringLiteral("Label2"), tr("Coefficienti"), kButtonX, 110, tk::clWindowText,
                  tk::UiFont(kWindowFontPx, true));
    LBCOEFF = new QLabel(this);
    LBCOEFF->setObjectName(QStringLiteral("LBCOEFF"));
    LBCOEFF->setGeometry(kButtonX, 128, kButtonWidth, 100);
    LBCOEFF->setFont(tk::UiFont(kCoefficientsFontPx, true));
    LBCOEFF->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    BTNGENERA = MakeButton(this, "BTNGENERA", tr("Genera tabella"), 294);
    BTNCHIUDI = MakeButton(this, "BTNCHIUDI", tr("Chiudi"), 330);
    LBSTATO = new QLabel(this);
    LBSTATO->setObjectName(QStringLiteral("LBSTATO"));
    LBSTATO->setGeometry(10, 364, 400, 70);
    LBSTATO->setWordWrap(true);
    LBSTATO->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    BTNGPSREG = MakeButton(this, "BTNGPSREG", tr("Da GPS"), kGpsButtonY);
    BTNGPSREG->setToolTip(tr("Con acqua ferma e senza scarroccio: tenere la prora %1 s, "
                             "la rotta del GPS dà la deviazione su quella prora.")
                              .arg(nav::kGpsSwingMillis / kMillisPerSecond));
    LBGPS = new QLabel(this);
    LBGPS->setObjectName(QStringLiteral("LBGPS"));
    LBGPS->setGeometry(kGpsPlace);
    LBGPS->setWordWrap(true);
    LBGPS->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TForm7::Reset()
{
    std::vector<double> headings;
    for (int h = 0; h < 360; h += kEightPointStep)
        headings.push_back(h);
    {
        const QSignalBlocker quiet(SGGIRO);
        SGGIRO->SetHeadings(headings);
    }
    Refit();
}

void TForm7::Open()
{
    exec();
}

void TForm7::Refit()
{
    const std::vector<nav::DeviationRow> rows = SGGIRO->CompleteRows();
    fit_.reset();
    BTNGENERA->setEnabled(false);
    if (static_cast<int>(rows.size()) < kMinSwingHeadings) {
        LBCOEFF->clear();
        tk::SetColoredText(LBSTATO, tk::clWindowText,
                           tr("Scrivere la deviazione osservata su ogni prora: almeno 5, meglio 8 o più, "
                              "distribuite su tutto l'orizzonte (%1 finora).")
                               .arg(rows.size()));
        return;
    }
    const nav::DeviationFitResult result = nav::FitDeviation(rows);
    if (!result.fit) {
        LBCOEFF->clear();
        tk::SetColoredText(LBSTATO, tk::clMaroon, FitRefusalText(result.refusal, result.distinctHeadings));
        return;
    }
    fit_ = result.fit;
    LBCOEFF->setText(CoefficientsText(fit_->coefficients));
    tk::SetColoredText(LBSTATO, tk::clWindowText,
                       tr("%1 prore, scarto quadratico medio %2°.")
                           .arg(rows.size())
                           .arg(QLocale().toString(fit_->rms, 'f', 2)));
    BTNGENERA->setEnabled(true);
}

void TForm7::BTNAGGIUNGIClick()
{
    if (!SGGIRO->AddRow()) {
        tk::platform().ErrorBox(this, tr("Al più %1 prore.").arg(kMaxSwingHeadings));
        return;
    }
    SGGIRO->editItem(SGGIRO->currentItem());
}

void TForm7::BTNELIMINAClick()
{
    SGGIRO->DeleteSelectedRows();
    Refit();
}

void TForm7::BTNGENERAClick()
{
    if (!fit_)
        return;
    // The fit is worked out for the log when it is put to use, not at every cell typed.
    emit Solved(nav::WorkedCompassSwing(SGGIRO->CompleteRows(), *fit_, tk::NavLanguage()));
    if (proposeTable_)
        proposeTable_(nav::TableFromCurve(fit_->coefficients));
}

nav::Angle TForm7::Declination() const
{
    return declination_ ? declination_() : 0;
}

void TForm7::SetClock(std::function<qint64()> clock)
{
    clock_ = std::move(clock);
}

void TForm7::BTNGPSREGClick()
{
    gps_.Start(clock_());
    BTNGPSREG->setEnabled(false);
    TMGPS->start();
    GpsTick();
}

void TForm7::FeedInstruments(const nav::NmeaNews& news, qint64 msecsSinceEpoch)
{
    if (!gps_.Running())
        return;
    gps_.Add(news, msecsSinceEpoch);
    if (const auto result = gps_.Finish(msecsSinceEpoch, Declination()))
        EndGps(*result);
}

void TForm7::GpsTick()
{
    const qint64 now = clock_();
    if (const auto result = gps_.Finish(now, Declination())) {
        EndGps(*result);
        return;
    }
    const auto seconds = (gps_.Remaining(now) + kMillisPerSecond - 1) / kMillisPerSecond;
    tk::SetColoredText(LBGPS, tk::clWindowText, tr("Da GPS: tenere la prora ancora %1 s.").arg(seconds));
}

void TForm7::EndGps(const nav::GpsSwingResult& result)
{
    StopGps();
    if (result.refusal != nav::GpsSwingRefusal::None) {
        tk::SetColoredText(LBGPS, tk::clMaroon, GpsSwingText(result));
        return;
    }
    bool written = false;
    {
        const QSignalBlocker quiet(SGGIRO);
        written = SGGIRO->WriteRow(nav::SameHeadingRow(SGGIRO->Headings(), result.compassHeading),
                                   result.compassHeading, result.deviation);
    }
    if (!written) {
        tk::SetColoredText(LBGPS, tk::clMaroon, tr("Al più %1 prore.").arg(kMaxSwingHeadings));
        return;
    }
    Refit();
    tk::SetColoredText(LBGPS, tk::clWindowText, GpsSwingText(result));
    emit Solved(nav::WorkedGpsSwing(result, tk::NavLanguage()));
}

void TForm7::StopGps()
{
    gps_.Cancel();
    TMGPS->stop();
    BTNGPSREG->setEnabled(true);
}
