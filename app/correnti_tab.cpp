// The "Correnti" tab: the current triangle.

#include "app/main_window.h"

#include "nav/currents.h"
#include "toolkit/image.h"
#include "toolkit/platform.h"
#include "toolkit/text_format.h"
#include "widgets/numeric/aligned_edit.h"

namespace {

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

void TForm1::AZZERACORClick()
{
    for (TAlignedEdit* field : {EDPVCOR, EDVPCOR, EDDCOR, EDVCOR, EDRVCOR, EDVECOR})
        field->clear();
    state_.valPVCOR = state_.valDCOR = state_.valRVCOR = 0;
    state_.valVPCOR = state_.valVCOR = state_.valVECOR = 0.0;
    IMGCOR->Clear();
}

void TForm1::CALCCORClick()
{
    nav::CurrentTriangle t{state_.valPVCOR, state_.valVPCOR, state_.valDCOR,
                           state_.valVCOR,  state_.valRVCOR, state_.valVECOR};
    const auto shows = [](const TAlignedEdit* field) { return !field->text().isEmpty(); };
    const nav::CurrentFields given{shows(EDPVCOR), shows(EDVPCOR), shows(EDDCOR),
                                   shows(EDVCOR),  shows(EDRVCOR), shows(EDVECOR)};
    const nav::CurrentMissing missing = nav::SolveCurrent(given, t, state_.vectors);
    if (missing == nav::CurrentMissing::TooStrong) {
        toolkit::platform().ErrorBox(this, tr("Corrente troppo forte per la rotta !"));
        return;
    }
    if (missing == nav::CurrentMissing::Nothing) {
        const bool everything = given.heading && given.ownSpeed && given.current && given.currentSpeed
                                && given.course && given.groundSpeed;
        if (everything)
            EverythingFilled();
        else
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
    const auto show = [this](TAlignedEdit* direction, nav::Angle angle, TAlignedEdit* speed, double knots) {
        ShowAngle(direction, angle);
        speed->setText(SpeedText(knots));
    };
    switch (missing) {
    case nav::CurrentMissing::Heading: show(EDPVCOR, t.heading, EDVPCOR, t.ownSpeed); break;
    case nav::CurrentMissing::Current: show(EDDCOR, t.current, EDVCOR, t.currentSpeed); break;
    case nav::CurrentMissing::Course: show(EDRVCOR, t.course, EDVECOR, t.groundSpeed); break;
    case nav::CurrentMissing::CourseToSteer: show(EDPVCOR, t.heading, EDVECOR, t.groundSpeed); break;
    case nav::CurrentMissing::TooStrong:
    case nav::CurrentMissing::Nothing: break;
    }
    const auto lengths = nav::VectorLengths(state_.valVPCOR, state_.valVCOR, state_.valVECOR);
    DrawLines(*IMGCOR,
              {{nav::TruncDegrees(state_.valPVCOR), lengths[0], toolkit::clRed, 1, tr("PVe")},
               {nav::TruncDegrees(state_.valDCOR), lengths[1], toolkit::clLime, 1, tr("Cor")},
               {nav::TruncDegrees(state_.valRVCOR), lengths[2], toolkit::clYellow, 2, tr("RVe")}});
}
