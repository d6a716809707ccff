#pragma once
// The library's pictures, our own artwork drawn in code: the track bar's
// and the slider's thumbs, the jog meter's marker, the hand cursor and the
// compass rose.

#include <QCursor>
#include <QImage>
#include <QString>

// "INSTTB_HORI" (9 x 17, thumb of a horizontal bar), "INSTTB_VERT" (17 x 9),
// "INSTSLIDERTHUMB_HORI" (30 x 13, thumb of a vertical slider: its slot
// lies horizontally), "INSTSLIDERTHUMB_VERT" (13 x 30) and "TIWPIN" (6 x 9,
// the marker; its bottom-left pixel is the colour left out); a null image
// for any other name.
QImage InstResourceBitmap(const QString& name);

// A white pointing hand, the fingertip as hot spot.
QCursor HandPointCursor();

// The angle dialog's compass face: a rose on a pale blue disc with the
// cardinal and intercardinal letters, on black, 150 x 150; in the colour
// scheme of the moment.
// At `ratio` device pixels to one logical pixel, so that it stays sharp on
// high-density screens.
QImage CompassRosePicture(qreal ratio = 1.0);
