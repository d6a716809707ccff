#pragma once
// The scale of a jog meter: a window Apperture units wide, centred on the
// value, laid over Extent pixels. Marks are placed every Step units, at
// whole multiples of Step; pure arithmetic, tested without a window.

#include <QString>
#include <vector>

struct JogScaleMark {
    double value;  // the scale value the mark stands for
    int pixel;     // along the scale, 0..extent
};

// More mark candidates than this are not drawn.
inline constexpr long long kMaxJogScaleCandidates = 65536;
// Digits after the decimal separator that a label can show.
inline constexpr int kMaxJogLabelDecimals = 14;

// Round(extent * offset / aperture), halves to even; 0 when aperture <= 0.
double JogValueToPixel(double offset, double aperture, int extent);

// The marks whose pixel lies within 0..extent, from the left (top) end.
// None when the step is not a positive finite number, the value or the
// aperture is not finite, or there would be more than
// kMaxJogScaleCandidates candidates.
std::vector<JogScaleMark> JogScaleMarks(double value, double aperture, double step, int extent);

// The number in fixed notation rounded to 8 significant digits, with
// `decimals` (held within 0..kMaxJogLabelDecimals) digits after the
// locale's decimal separator; exponent form from 10^8 up.
QString JogNumberText(double v, int decimals);

// The label for a number text: the first "%s" of `formatText` (with an
// optional "-", width and precision) takes the number, "%%" stands for "%".
// A text with any other conversion or a second "%s" gives the plain number;
// a text without placeholder is shown as it is.
QString JogLabelText(const QString& formatText, const QString& number);
