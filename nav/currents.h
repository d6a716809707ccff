#pragma once
// The current triangle: the motion through the water (the water track, own
// speed) plus the current (the direction it sets towards, its speed) is the
// motion over the ground (true course, effective speed). The water track is
// the true heading plus the leeway, which is positive when the wind sets the
// boat to starboard (wind on the port side) and negative to port: heading
// 186 with leeway -2 makes a water track of 184. Directions are angle values
// clockwise from north, speeds knots.

#include "nav/angle.h"

#include <array>
#include <optional>

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
    Angle leeway = 0;           // -45..45 degrees; 0 when not given
};

// The direction the boat moves through the water.
Angle WaterTrack(const CurrentTriangle& t);

// Which of the tab's six fields show text.
struct CurrentFields {
    bool heading = false, ownSpeed = false;
    bool current = false, currentSpeed = false;
    bool course = false, groundSpeed = false;
    bool leeway = false;
};

// What was solved; Written tells which fields it fills.
enum class CurrentMissing {
    Heading,
    Current,
    Course,
    CourseToSteer,
    LeewayCourse,   // leeway alone: the course from the heading
    LeewayHeading,  // leeway alone: the heading from the course
    TooStrong,
    Nothing,
};

// With two pairs given (a pair is given when both its fields show text),
// computes the third from them. With fewer, the course to steer is solved
// when own speed, the current and the course are given, heading and ground
// speed empty. With the leeway given and no current at all, a heading gives
// the course (course = heading + leeway) and a course the heading, and a
// speed given on one side is the speed of the other. Anything else is
// Nothing: the values of empty fields are never used. The leeway is never
// solved for.
CurrentMissing SolveCurrent(const CurrentFields& given, CurrentTriangle& t, VectorCombination& work);

// The fields a solution fills, given what was given.
CurrentFields Written(CurrentMissing missing, const CurrentFields& given);

// The heading that, with the current, makes good the course, and the speed
// over the ground along it. No value when the current cannot be stemmed
// along the course (its cross component beyond own speed, or no headway
// left), or own speed is not above 0.
struct SteeredCourse {
    Angle heading = 0;  // 0..1295999
    double groundSpeed = 0.0;
};
std::optional<SteeredCourse> CourseToSteer(Angle course, double ownSpeed, Angle current, double currentSpeed);

// The diagram's lengths in pixels of the three vectors (own motion,
// current, ground motion): the fastest is kLongestVector long and the
// others in proportion, rounded halves to even; all 0 when every speed is 0.
inline constexpr int kLongestVector = 80;
std::array<int, 3> VectorLengths(double ownSpeed, double currentSpeed, double groundSpeed);

}  // namespace nav
