#pragma once
// The compass diagrams beside the fields: a black square with green axes,
// line 0 dotted across the whole square, the others from the centre, each
// tagged with its label. Angles are whole degrees clockwise from the top.

#include "toolkit/canvas.h"

#include <QPoint>
#include <QString>
#include <array>

namespace toolkit {
class Image;
}

struct DiagramLine {
    int angle = 0;   // whole degrees, may be negative
    int length = 0;  // pixels from the centre
    toolkit::TColor color = toolkit::clBlack;
    int penWidth = 1;
    QString label;
};

inline constexpr int kDiagramSlots = 5;
using DiagramLines = std::array<DiagramLine, kDiagramSlots>;

inline constexpr int kDiagramSize = 200;

// The current diagram's water track, and the leeway's label that makes it.
inline constexpr toolkit::TColor kWaterTrackColor = toolkit::clAqua;

struct DiagramLineGeometry {
    QPoint from;   // the opposite end for line 0, the centre for the others
    QPoint to;     // the end point, not painted itself
    QPoint label;  // top-left corner of the label
};

DiagramLineGeometry LineGeometry(const DiagramLine& line, bool acrossDiagram);

// Draws `count` lines in slot order. The canvas keeps its pen between
// drawings, so the axes take the width the last line left.
void DrawDiagram(toolkit::Canvas& canvas, const DiagramLines& lines, int count);

// Draws on a picture and shows the result.
void DrawDiagram(toolkit::Image& picture, const DiagramLines& lines, int count);
