#pragma once
// The rules of the declination from a position that need no window: the
// position typed as magnitudes with their hemispheres, and the model's
// answer rounded into the chart fields of the declination dialog, which
// the result line shows as they will be written.

#include "nav/magnetic_model.h"

// Degrees as typed: magnitudes, the hemispheres given by the radio buttons.
struct PositionEntry {
    double latitude = 0;
    bool south = false;
    double longitude = 0;
    bool west = false;
};

// The model's answer for the entry; a negative magnitude is out of range.
nav::ModelAnswer DeclinationAt(const PositionEntry& entry, double decimalYear);

// The chart fields that the model fills, as a skipper copies them from a
// chart: the base year and the current year are the date's year, the
// declination and its annual change are rounded to whole minutes. A zero
// declination takes the side it moves to, with "Aumento"; with no change
// either it is West and "Aumento", as in the settings file.
struct ChartFields {
    int year = 0;
    nav::Angle base = 0;    // magnitude, seconds of arc
    int baseSign = +1;      // +1 West, -1 East
    nav::Angle change = 0;  // magnitude, seconds of arc a year
    int changeSign = +1;    // +1 "Aumento" (away from zero), -1 "Diminuzione" (toward zero)

    friend bool operator==(const ChartFields&, const ChartFields&) = default;
};

ChartFields ChartFromModel(const nav::ModelDeclination& model, int year);

// What the result line shows: "3° 37' E" and "7' E" a year, the annual
// change named by the side the declination moves to, as charts print it.
// A side is 'E', 'W' or 0 for a zero.
struct ResultFigures {
    int degrees = 0;
    int minutes = 0;
    char side = 0;
    int changeMinutes = 0;
    char changeSide = 0;

    friend bool operator==(const ResultFigures&, const ResultFigures&) = default;
};

ResultFigures FiguresOf(const ChartFields& chart);
