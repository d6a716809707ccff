// The "Rilevamenti" tab: compass and true bearings ("Vero e Bussola") and
// polar bearings ("Polari").

#include "app/main_window.h"

#include "nav/bearings.h"
#include "nav/worked_tabs.h"
#include "toolkit/image.h"
#include "toolkit/languages.h"
#include "widgets/numeric/aligned_edit.h"

#include <QRadioButton>

#include <optional>

namespace {

constexpr int kHeadingLength = 80;
constexpr int kBearingLength = 55;
constexpr int kOtherBearingLength = 65;

}  // namespace

void TForm1::RBCLEARClick() { EDRB->clear(); }
void TForm1::RVCLEARClick() { EDRV->clear(); }
void TForm1::PVCCLEARClick() { EDPVC->clear(); }
void TForm1::RVCCLEARClick() { EDRVC->clear(); }
void TForm1::RPCLEARClick() { EDRP->clear(); }

void TForm1::BearingEntered(TAlignedEdit* entered)
{
    (entered == EDRB ? EDRV : EDRB)->clear();
    if (!state_.devVBGiven)
        EDDEVVB->clear();
    vbStart_ = nav::BearingStart::Nothing;
}

TAlignedEdit* TForm1::VeroBussolaStartField() const
{
    TAlignedEdit* field = nullptr;
    switch (vbStart_) {
    case nav::BearingStart::Compass: field = EDRB; break;
    case nav::BearingStart::True: field = EDRV; break;
    case nav::BearingStart::Nothing: break;
    }
    return field && !field->text().isEmpty() ? field : nullptr;
}

void TForm1::RecomputeVeroBussola()
{
    if (const TAlignedEdit* start = VeroBussolaStartField())
        ConvertVeroBussola(start == EDRB, start == EDRV, false);
}

void TForm1::EDDEVVBClick()
{
    EnterGivenDeviation({state_.valDEVVB, state_.devVBGiven, EDDEVVB, LabelDEVVB, &TForm1::RecomputeVeroBussola});
}

void TForm1::DEVVBCLEARClick()
{
    ClearGivenDeviation({state_.valDEVVB, state_.devVBGiven, EDDEVVB, LabelDEVVB, &TForm1::RecomputeVeroBussola});
}

void TForm1::AZZERARILClick()
{
    for (TAlignedEdit* field : {EDPBR, EDRB, EDRV})
        field->clear();
    state_.valPBR = state_.valRB = state_.valRV = 0;
    vbStart_ = nav::BearingStart::Nothing;
    DEVVBCLEARClick();
    IMGRVB->Clear();
}

void TForm1::AZZERAPOLClick()
{
    for (TAlignedEdit* field : {EDPVC, EDRP, EDRVC})
        field->clear();
    state_.valPVC = state_.valRP = state_.valRVC = 0;
    IMGRP->Clear();
}

void TForm1::CALCVBClick()
{
    if (const TAlignedEdit* start = VeroBussolaStartField())
        ConvertVeroBussola(start == EDRB, start == EDRV, true);
    else
        ConvertVeroBussola(!EDRB->text().isEmpty(), !EDRV->text().isEmpty(), true);
}

void TForm1::ConvertVeroBussola(bool compassGiven, bool trueGiven, bool log)
{
    nav::CompassBearing b{state_.valPBR, state_.valRB, state_.valRV, state_.valDEVVB};
    const nav::BearingStart start =
        nav::ConvertBearing(state_.deviationTable, state_.valDECL, compassGiven, trueGiven, b,
                            state_.devVBGiven ? std::optional(state_.valDEVVB) : std::nullopt);
    if (start == nav::BearingStart::Nothing) {
        NothingToCompute();
        return;
    }
    vbStart_ = start;
    state_.valDEVVB = b.deviation;
    state_.valRB = b.compass;
    state_.valRV = b.trueBearing;
    ShowAngle(EDDEVVB, b.deviation);
    ShowAngle(start == nav::BearingStart::Compass ? EDRV : EDRB,
              start == nav::BearingStart::Compass ? b.trueBearing : b.compass);
    DrawLines(*IMGRVB,
              {{nav::TruncDegrees(state_.valPBR), kHeadingLength, toolkit::clRed, 1, tr("PB")},
               {nav::TruncDegrees(state_.valRB), kBearingLength, toolkit::clYellow, 1, tr("RilB")},
               {nav::TruncDegrees(state_.valRV), kOtherBearingLength, toolkit::clLime, 1, tr("RilV")}});
    if (log)
        emit Solved(nav::WorkBearing(b, start, state_.valDECL, state_.devVBGiven, toolkit::NavLanguage()));
}

nav::PolarMode TForm1::PolarModeChecked() const
{
    if (RBCIRC->isChecked())
        return nav::PolarMode::Circular;
    return RBSEMIDX->isChecked() ? nav::PolarMode::Starboard : nav::PolarMode::Port;
}

void TForm1::CALCPOLClick()
{
    nav::PolarBearing p{state_.valPVC, state_.valRVC, state_.valRP};
    const nav::PolarMode mode = PolarModeChecked();
    const nav::PolarMissing missing = nav::SolvePolar(mode, !EDPVC->text().isEmpty(),
                                                      !EDRVC->text().isEmpty(), !EDRP->text().isEmpty(), p);
    switch (missing) {
    case nav::PolarMissing::Heading:
        state_.valPVC = p.heading;
        ShowAngle(EDPVC, p.heading);
        break;
    case nav::PolarMissing::Bearing:
        state_.valRVC = p.bearing;
        ShowAngle(EDRVC, p.bearing);
        break;
    case nav::PolarMissing::Relative:
        state_.valRP = p.relative;
        ShowAngle(EDRP, p.relative);  // to port with its minus sign
        break;
    case nav::PolarMissing::Nothing:
        EverythingFilled();
        return;
    }
    // The relative bearing is drawn from the top, not turned by the heading.
    DrawLines(*IMGRP,
              {{nav::TruncDegrees(state_.valPVC), kHeadingLength, toolkit::clRed, 1, tr("PV")},
               {nav::TruncDegrees(state_.valRVC), kBearingLength, toolkit::clLime, 1, tr("RilV")},
               {nav::TruncDegrees(state_.valRP), kOtherBearingLength, toolkit::clYellow, 2, tr("RilP")}});
    emit Solved(nav::WorkPolar(p, missing, mode, toolkit::NavLanguage()));
}
