#include "card/compass_swing.h"

#include "card/deviation_card.h"
#include "card/deviation_rows.h"
#include "nav/worked_tools.h"
#include "toolkit/color.h"
#include "toolkit/fonts.h"
#include "toolkit/form_layout.h"
#include "toolkit/languages.h"
#include "toolkit/platform.h"
#include "toolkit/speed_button.h"

#include <QLabel>
#include <QLocale>

namespace tk = toolkit;

namespace {

constexpr int kClientWidth = 420;
constexpr int kClientHeight = 440;
constexpr int kWindowFontPx = 11;
constexpr int kCoefficientsFontPx = 13;
constexpr int kButtonX = 260;
constexpr int kButtonWidth = 150;
constexpr int kButtonHeight = 28;
constexpr int kEightPointStep = 45;

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

QString CoefficientsText(const nav::DeviationCoefficients& c)
{
    return QStringLiteral("A = %1\nB = %2\nC = %3\nD = %4\nE = %5")
        .arg(Signed(c.A), Signed(c.B), Signed(c.C), Signed(c.D), Signed(c.E));
}

TForm7::TForm7(std::function<void(const std::vector<nav::DeviationRow>&)> proposeTable, QWidget* parent)
    : QDialog(parent)
    , proposeTable_(std::move(proposeTable))
{
    BuildLayout();
    connect(BTNAGGIUNGI, &tk::SpeedButton::clicked, this, &TForm7::BTNAGGIUNGIClick);
    connect(BTNELIMINA, &tk::SpeedButton::clicked, this, &TForm7::BTNELIMINAClick);
    connect(BTNGENERA, &tk::SpeedButton::clicked, this, &TForm7::BTNGENERAClick);
    connect(BTNCHIUDI, &tk::SpeedButton::clicked, this, &QDialog::reject);
    connect(SGGIRO, &QTableWidget::cellChanged, this, &TForm7::Refit);
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
