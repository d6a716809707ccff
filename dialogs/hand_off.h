#pragma once
// What the windows share with the entry dialogs: the hand-off of the value
// and field being edited, and the declination's chart data. Angles are
// nav::Angle (seconds of arc; a declination is West positive), speeds knots.

#include "nav/angle.h"
#include "nav/declination.h"

#include <QString>

class TAlignedEdit;

// Set by the field that opens a dialog, read by the dialog.
struct EntryHandOff {
    nav::Angle* entryValue = nullptr;
    double* entrySpeed = nullptr;
    TAlignedEdit* entryField = nullptr;
    // What was typed on the field to open the dialog: it goes on in the
    // dialog's first box. The dialog empties it.
    QString entryTyped;
    // Set by "CONFERMA", so that the opener knows a value was entered.
    bool entryConfirmed = false;
};

// The declination applied by the calculations and the chart data it comes
// from, with the settings file that keeps them.
struct DeclinationValues {
    nav::Angle valDECL = 18000;  // 5 degrees West until start-up computes it
    nav::Angle valDECLREAL = 0;  // last computed by the declination dialog
    nav::Angle valDECLIBASE = 3600;
    int signDECLIBASE = +1;
    nav::Angle valDELTADECLI = 240;
    int signDELTADECLI = +1;
    int valANNOBASE = 1985;
    int valANNOCORR = 0;
    QString settingsPath;  // ORVAN_INI.INI

    nav::ChartDeclination Chart() const
    {
        return {valANNOBASE, valANNOCORR, valDECLIBASE, signDECLIBASE, valDELTADECLI, signDELTADECLI};
    }

    void SetChart(const nav::ChartDeclination& chart)
    {
        valANNOBASE = chart.baseYear;
        valANNOCORR = chart.currentYear;
        valDECLIBASE = chart.base;
        signDECLIBASE = chart.baseSign;
        valDELTADECLI = chart.change;
        signDELTADECLI = chart.changeSign;
    }
};
