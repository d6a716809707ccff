#pragma once
// The navigation state: the program-wide values that the tabs and dialogs
// share, each named after the field that shows it (valPB is shown in EDPB).
// Angles are nav::Angle (seconds of arc), speeds are knots.

#include "app/course_diagram.h"
#include "dialogs/hand_off.h"
#include "nav/angle.h"
#include "nav/currents.h"
#include "nav/deviation_table.h"

#include <QString>

// The declination's values and the hand-off are the parts the dialogs reach.
struct NavState : DeclinationValues, EntryHandOff {
    // "Prore"
    nav::Angle valPB = 0;
    nav::Angle valPM = 0;
    nav::Angle valPV = 0;
    nav::Angle valDEVIAZ = 0;
    bool deviazGiven = false;  // valDEVIAZ given by the problem, not the table's
    // "Rilevamenti"
    nav::Angle valPBR = 0;
    nav::Angle valRB = 0;
    nav::Angle valRV = 0;
    nav::Angle valDEVVB = 0;
    bool devVBGiven = false;
    nav::Angle valPVC = 0;
    nav::Angle valRVC = 0;
    nav::Angle valRP = 0;
    // "Correnti"
    nav::Angle valPVCOR = 0;
    nav::Angle valDCOR = 0;
    nav::Angle valRVCOR = 0;
    double valVPCOR = 0.0;
    double valVCOR = 0.0;
    double valVECOR = 0.0;
    nav::Angle valSCAR = 0;  // the leeway, + to starboard; 0 when EDSCAR is empty
    nav::VectorCombination vectors;  // the working values of CombineVectors
    // The executable's folder, and the deviation table to read.
    QString appFolder;
    QString deviationPath;
    // Deviation table.
    bool deviationLoaded = false;
    nav::DeviationTable deviationTable;
    // The lines of the next diagram.
    DiagramLines diagramLines;
    int diagramLineCount = 0;
};
