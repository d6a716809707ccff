#include "app/course_diagram.h"

#include "nav/angle.h"
#include "toolkit/image.h"

#include <cmath>
#include <numbers>

namespace {

constexpr int kCentre = kDiagramSize / 2;
constexpr int kLabelShift = 2;
constexpr toolkit::TColor kAxisColor = toolkit::clGreen;

int Nearest(double v)
{
    return static_cast<int>(nav::RoundHalfEven(v));
}

}  // namespace

DiagramLineGeometry LineGeometry(const DiagramLine& line, bool acrossDiagram)
{
    const double theta = line.angle * std::numbers::pi / 180.0;
    const double a = std::sin(theta) * line.length;
    const double b = std::cos(theta) * line.length;
    DiagramLineGeometry g;
    g.to = QPoint(Nearest(kCentre + a), Nearest(kCentre - b));
    g.from = acrossDiagram ? QPoint(Nearest(kCentre - a), Nearest(kCentre + b))
                           : QPoint(kCentre, kCentre);
    // The horizontal shift follows the end's vertical place and the vertical
    // shift its horizontal place (compared with the left edge).
    const int dx = g.to.y() > kCentre ? kLabelShift : -kLabelShift;
    const int dy = g.to.x() > 0 ? -kLabelShift : kLabelShift;
    g.label = g.to + QPoint(dx, dy);
    return g;
}

void DrawDiagram(toolkit::Canvas& canvas, const DiagramLines& lines, int count)
{
    canvas.brush.color = toolkit::clBlack;
    canvas.brush.style = toolkit::BrushStyle::Solid;
    canvas.pen.color = toolkit::clBlack;
    canvas.Rectangle(0, 0, kDiagramSize, kDiagramSize);

    canvas.pen.color = kAxisColor;
    canvas.MoveTo(kCentre, 0);
    canvas.LineTo(kCentre, kDiagramSize);
    canvas.MoveTo(0, kCentre);
    canvas.LineTo(kDiagramSize, kCentre);

    for (int i = 0; i < count && i < kDiagramSlots; ++i) {
        const DiagramLine& line = lines[static_cast<std::size_t>(i)];
        const DiagramLineGeometry g = LineGeometry(line, i == 0);
        canvas.pen.color = line.color;
        canvas.pen.width = line.penWidth;
        canvas.MoveTo(g.from.x(), g.from.y());
        canvas.pen.style = i == 0 ? toolkit::PenStyle::Dot : toolkit::PenStyle::Solid;
        canvas.LineTo(g.to.x(), g.to.y());
        canvas.fontColor = line.color;
        canvas.TextOut(g.label.x(), g.label.y(), line.label);
    }
}

void DrawDiagram(toolkit::Image& picture, const DiagramLines& lines, int count)
{
    DrawDiagram(picture.canvas(), lines, count);
    picture.Refresh();
}
