// The "Prore" tab: compass, magnetic and true heading.

#include "app/main_window.h"

#include "nav/headings.h"
#include "nav/worked_tabs.h"
#include "toolkit/image.h"
#include "toolkit/languages.h"
#include "widgets/numeric/aligned_edit.h"

namespace {

constexpr int kCompassLength = 80;
constexpr int kMagneticLength = 45;
constexpr int kTrueLength = 65;

}  // namespace

void TForm1::PBCLEARClick()
{
    EDPB->clear();
    state_.valPB = 0;
}

void TForm1::PMCLEARClick()
{
    EDPM->clear();
    state_.valPM = 0;
}

void TForm1::PVCLEARClick()
{
    EDPV->clear();
    state_.valPV = 0;
}

void TForm1::HeadingEntered(TAlignedEdit* entered)
{
    if (entered != EDPB)
        PBCLEARClick();
    if (entered != EDPM)
        PMCLEARClick();
    if (entered != EDPV)
        PVCLEARClick();
    if (!state_.deviazGiven)
        EDDEVIAZ->clear();
    proreStart_ = nav::HeadingStart::Nothing;
}

void TForm1::EDDEVIAZClick()
{
    EnterGivenDeviation({state_.valDEVIAZ, state_.deviazGiven, EDDEVIAZ, LabelDEVIAZ, &TForm1::RecomputeProre});
}

void TForm1::DEVCLEARClick()
{
    ClearGivenDeviation({state_.valDEVIAZ, state_.deviazGiven, EDDEVIAZ, LabelDEVIAZ, &TForm1::RecomputeProre});
}

void TForm1::AZZERAPROREClick()
{
    HeadingEntered(nullptr);
    DEVCLEARClick();
    IMGPRORE->Clear();
}

TAlignedEdit* TForm1::ProreStartField() const
{
    TAlignedEdit* field = nullptr;
    switch (proreStart_) {
    case nav::HeadingStart::Compass: field = EDPB; break;
    case nav::HeadingStart::Magnetic: field = EDPM; break;
    case nav::HeadingStart::True: field = EDPV; break;
    case nav::HeadingStart::Nothing: break;
    }
    return field && !field->text().isEmpty() ? field : nullptr;
}

void TForm1::RecomputeProre()
{
    if (const TAlignedEdit* start = ProreStartField())
        ConvertProre(start == EDPB, start == EDPM, start == EDPV, false);
}

void TForm1::CALCPROREClick()
{
    // Pressed again, it starts where it started: a result never becomes the given heading.
    if (const TAlignedEdit* start = ProreStartField())
        ConvertProre(start == EDPB, start == EDPM, start == EDPV, true);
    else
        ConvertProre(!EDPB->text().isEmpty(), !EDPM->text().isEmpty(), !EDPV->text().isEmpty(), true);
}

void TForm1::ConvertProre(bool compassGiven, bool magneticGiven, bool trueGiven, bool report)
{
    nav::Headings h{state_.valPB, state_.valPM, state_.valPV, state_.valDEVIAZ};
    const nav::HeadingStart start =
        nav::ConvertHeadings(state_.deviationTable, state_.valDECL, compassGiven, magneticGiven, trueGiven, h,
                             state_.deviazGiven ? std::optional(state_.valDEVIAZ) : std::nullopt);
    state_.valPB = h.compass;
    state_.valPM = h.magnetic;
    state_.valPV = h.trueHeading;
    state_.valDEVIAZ = h.deviation;
    switch (start) {
    case nav::HeadingStart::Compass:
        ShowAngle(EDDEVIAZ, h.deviation);
        ShowAngle(EDPM, h.magnetic);
        ShowAngle(EDPV, h.trueHeading);
        break;
    case nav::HeadingStart::Magnetic:
        ShowAngle(EDDEVIAZ, h.deviation);
        ShowAngle(EDPB, h.compass);
        ShowAngle(EDPV, h.trueHeading);
        break;
    case nav::HeadingStart::True:
        ShowAngle(EDDEVIAZ, h.deviation);
        ShowAngle(EDPB, h.compass);
        ShowAngle(EDPM, h.magnetic);
        break;
    case nav::HeadingStart::Nothing:
        if (report)
            NothingToCompute();
        break;
    }
    proreStart_ = start;

    DrawLines(*IMGPRORE, {{nav::TruncDegrees(state_.valPB), kCompassLength, toolkit::clRed, 1, tr("PB")},
                          {nav::TruncDegrees(state_.valPM), kMagneticLength, toolkit::clLime, 1, tr("PM")},
                          {nav::TruncDegrees(state_.valPV), kTrueLength, toolkit::clYellow, 2, tr("PV")}});
    if (report && start != nav::HeadingStart::Nothing)
        emit Solved(nav::WorkHeadings(h, start, state_.valDECL, state_.deviazGiven, toolkit::NavLanguage()));
}
