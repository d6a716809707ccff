#pragma once
// The current triangle: the motion through the water (true heading, own
// speed) plus the current (the direction it sets towards, its speed) is the
// motion over the ground (true course, effective speed). Directions are
// angle values clockwise from north, speeds knots.

#include "nav/angle.h"

#include <array>

namespace nav {

// The working values of one vector sum or difference.
struct VectorCombination {
    Angle a1 = 0;
    double s1 = 0.0;
    Angle a2 = 0;
    double s2 = 0.0;
    int mode = +1;  // +1 the sum, -1 the first vector less the second
    Angle direction = 0;  // of the result, 0..1295999
    double speed = 0.0;   // of the result
};

// Sets direction and speed of the result. The direction is the result
// vector's own also on the axes (two-argument arctangent); a zero result
// points to 0.
void CombineVectors(VectorCombination& v);

struct CurrentTriangle {
    Angle heading = 0;          // valPVCOR
    double ownSpeed = 0.0;      // valVPCOR
    Angle current = 0;          // valDCOR
    double currentSpeed = 0.0;  // valVCOR
    Angle course = 0;           // valRVCOR
    double groundSpeed = 0.0;   // valVECOR
};

enum class CurrentMissing { Heading, Current, Course, Nothing };

// Computes the first pair that is not given (a pair is given when both its
// fields show text) from the other two, whatever they hold; Nothing when
// all three are given.
CurrentMissing SolveCurrent(bool headingGiven, bool currentGiven, bool courseGiven, CurrentTriangle& t,
                            VectorCombination& work);

// The diagram's lengths in pixels of the three vectors (own motion,
// current, ground motion): the fastest is kLongestVector long and the
// others in proportion, rounded halves to even; all 0 when every speed is 0.
inline constexpr int kLongestVector = 80;
std::array<int, 3> VectorLengths(double ownSpeed, double currentSpeed, double groundSpeed);

}  // namespace nav
