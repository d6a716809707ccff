// The "Correnti" tab: the current triangle.

#include "app/main_window.h"

#include "nav/currents.h"
#include "nav/worked_tabs.h"
#include "toolkit/image.h"
#include "toolkit/languages.h"
#include "toolkit/platform.h"
#include "toolkit/text_format.h"
#include "widgets/numeric/aligned_edit.h"

#include <array>

namespace {

constexpr int kDirectionLength = nav::kLongestVector * 3 / 4;

// A field counts as given, or as part of the problem, while it shows text.
bool Shows(const TAlignedEdit* field)
{
    return !field->text().isEmpty();
}

QString SpeedText(double knots)
{
    return toolkit::Format(QStringLiteral("%-2.1f"), {knots});
}

}  // namespace

void TForm1::CLEARPVCORClick()
{
    EDPVCOR->clear();
    EDVPCOR->clear();
}

void TForm1::CLEARDCORClick()
{
    EDDCOR->clear();
    EDVCOR->clear();
}

void TForm1::CLEARRVCORClick()
{
    EDRVCOR->clear();
    EDVECOR->clear();
}

void TForm1::CLEARSCARClick()
{
    EDSCAR->clear();
    state_.valSCAR = 0;
    LeewayChanged();
}

void TForm1::LeewayChanged()
{
    bool stale = false;
    for (const auto& [field, text] : correntiResults_) {
        if (field->text() == text) {
            field->clear();
            stale = true;
        }
    }
    correntiResults_.clear();
    if (stale)
        SolveCorrenti(false);
}

void TForm1::AZZERACORClick()
{
    for (TAlignedEdit* field : {EDPVCOR, EDVPCOR, EDDCOR, EDVCOR, EDRVCOR, EDVECOR, EDSCAR})
        field->clear();
    state_.valPVCOR = state_.valDCOR = state_.valRVCOR = state_.valSCAR = 0;
    state_.valVPCOR = state_.valVCOR = state_.valVECOR = 0.0;
    correntiResults_.clear();
    IMGCOR->Clear();
}

void TForm1::CALCCORClick()
{
    SolveCorrenti(true);
}

void TForm1::USADATIClick()
{
    const nav::CurrentInputs live = instruments ? instruments() : nav::CurrentInputs{};
    QStringList missing;
    if (!live.trueHeading)
        missing << tr("Prora Vera");
    if (!live.waterSpeed)
        missing << tr("Velocità Propria");
    if (!live.groundCourse)
        missing << tr("Rotta Vera");
    if (!live.groundSpeed)
        missing << tr("Velocità effettiva");
    if (!missing.isEmpty()) {
        toolkit::platform().ErrorBox(this, tr("Dati di bordo mancanti o non aggiornati: %1.")
                                               .arg(missing.join(QStringLiteral(", "))));
        return;
    }
    const DegreeRange circle{0, kFullCircleDegreesMax};
    EnterAngle(state_.valPVCOR, EDPVCOR, *live.trueHeading, circle);
    EnterSpeed(state_.valVPCOR, EDVPCOR, *live.waterSpeed);
    EnterAngle(state_.valRVCOR, EDRVCOR, *live.groundCourse, circle);
    EnterSpeed(state_.valVECOR, EDVECOR, *live.groundSpeed);
    CLEARDCORClick();
}

void TForm1::SolveCorrenti(bool report)
{
    const bool leeway = Shows(EDSCAR);
    nav::CurrentTriangle t{state_.valPVCOR, state_.valVPCOR, state_.valDCOR,          state_.valVCOR,
                           state_.valRVCOR, state_.valVECOR, leeway ? state_.valSCAR : 0};
    const nav::CurrentFields given{Shows(EDPVCOR), Shows(EDVPCOR), Shows(EDDCOR), Shows(EDVCOR),
                                   Shows(EDRVCOR), Shows(EDVECOR), leeway};
    const nav::CurrentMissing missing = nav::SolveCurrent(given, t, state_.vectors);
    if (missing == nav::CurrentMissing::TooStrong) {
        if (report)
            toolkit::platform().ErrorBox(this, tr("Corrente troppo forte per la rotta !"));
        return;
    }
    if (missing == nav::CurrentMissing::Nothing) {
        const bool everything = given.heading && given.ownSpeed && given.current && given.currentSpeed
                                && given.course && given.groundSpeed;
        if (report && everything)
            EverythingFilled();
        else if (report)
            NothingToCompute();
        return;
    }
    // A solved problem changes only the values it writes; the others stay as they were.
    state_.valPVCOR = t.heading;
    state_.valVPCOR = t.ownSpeed;
    state_.valDCOR = t.current;
    state_.valVCOR = t.currentSpeed;
    state_.valRVCOR = t.course;
    state_.valVECOR = t.groundSpeed;
    const nav::CurrentFields written = nav::Written(missing, given);
    correntiResults_.clear();
    const auto show = [this](bool shown, TAlignedEdit* field, const QString& text) {
        if (!shown)
            return;
        field->setText(text);
        correntiResults_.emplace_back(field, text);
    };
    const auto angle = [](nav::Angle a) { return QString::fromStdString(nav::FormatAngle(a)); };
    show(written.heading, EDPVCOR, angle(t.heading));
    show(written.ownSpeed, EDVPCOR, SpeedText(t.ownSpeed));
    show(written.current, EDDCOR, angle(t.current));
    show(written.currentSpeed, EDVCOR, SpeedText(t.currentSpeed));
    show(written.course, EDRVCOR, angle(t.course));
    show(written.groundSpeed, EDVECOR, SpeedText(t.groundSpeed));
    DrawCorrenti(t);
    if (report)
        emit Solved(nav::WorkCurrent(t, missing, given, toolkit::NavLanguage()));
}

void TForm1::DrawCorrenti(const nav::CurrentTriangle& t)
{
    // A speed not shown was never part of this problem: a leeway problem without
    // speeds is drawn with its directions alone, short enough for the labels to fit.
    const auto speed = [](const TAlignedEdit* field, double knots) { return Shows(field) ? knots : 0.0; };
    const bool directionsOnly = !Shows(EDVPCOR) && !Shows(EDVCOR) && !Shows(EDVECOR);
    const auto lengths = directionsOnly ? std::array{kDirectionLength, 0, kDirectionLength}
                                        : nav::VectorLengths(speed(EDVPCOR, state_.valVPCOR),
                                                             speed(EDVCOR, state_.valVCOR),
                                                             speed(EDVECOR, state_.valVECOR));
    const DiagramLine heading{nav::TruncDegrees(state_.valPVCOR), lengths[0], toolkit::clRed, 1, tr("PVe")};
    const DiagramLine current{nav::TruncDegrees(state_.valDCOR), lengths[1], toolkit::clLime, 1, tr("Cor")};
    const DiagramLine course{nav::TruncDegrees(state_.valRVCOR), lengths[2], toolkit::clYellow, 2, tr("RVe")};
    if (!Shows(EDSCAR)) {
        DrawLines(*IMGCOR, {heading, current, course});
        return;
    }
    // Without a current the water track is the course itself.
    if (!Shows(EDDCOR)) {
        DrawLines(*IMGCOR, {heading, course});
        return;
    }
    // The water track is the side of the triangle the own speed draws.
    const DiagramLine waterTrack{nav::TruncDegrees(nav::WaterTrack(t)), lengths[0], kWaterTrackColor, 1, tr("RSu")};
    DrawLines(*IMGCOR, {heading, current, course, waterTrack});
}
