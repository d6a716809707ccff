#pragma once
// The instruments of the angle-entry window, at its places and with its
// settings, kept in step as that window keeps them: each track bar moves
// its jog meter, and the degree bar also turns the compass. Used by the
// gallery and the benchmarks.

#include "widgets/instruments/inst_compass.h"
#include "widgets/instruments/inst_jog_meter.h"
#include "widgets/instruments/inst_track_bar.h"

#include <QWidget>

class InstrumentPanel : public QWidget {
public:
    explicit InstrumentPanel(QWidget* parent = nullptr);

    // Moves the three track bars; the meters and the compass follow.
    void ShowAngle(int degrees, int minutes, int seconds);

    TInstTrackBar* degreeBar;
    TInstTrackBar* minuteBar;
    TInstTrackBar* secondBar;
    TInstJogMeter* degreeScale;
    TInstJogMeter* minuteScale;
    TInstJogMeter* secondScale;
    TInstCompass* compass;
};
