#!/usr/bin/env python3
"""Writes resources/giro-demo.nmea: a compass swing by GPS in slack water, for
trying "Da GPS" of the compass swing with the replay source of "Dati di bordo".

The boat holds each of eight compass headings for 40 s, turning for 10 s in
between, at 5 kn with no current and no leeway. Her compass has the deviation
curve below (degrees, East positive); the GPS course is the true course the
compass heading gives with that deviation and the declination below. Press
"Da GPS" once she is steady on a heading: the row written is that heading's
deviation, when the program's declination is the one below.
"""
import math
import pathlib

HEADINGS = range(0, 360, 45)
HOLD = 40            # seconds steady on each heading
TURN = 10            # seconds turning to the next
SPEED = 5.0          # knots over the ground
WOBBLE = 0.5         # degrees either side while steady
DECLINATION_EAST = 2.5
# δ = A + B sin C + C cos C + D sin 2C + E cos 2C
CURVE = (1.0, 2.0, -1.5, 0.5, 0.3)
START = (43.5, 10.3)  # off Livorno


def sentence(body):
    checksum = 0
    for c in body:
        checksum ^= ord(c)
    return "$%s*%02X\r\n" % (body, checksum)


def deviation(compass):
    a, b, c, d, e = CURVE
    r = math.radians(compass)
    return a + b * math.sin(r) + c * math.cos(r) + d * math.sin(2 * r) + e * math.cos(2 * r)


def position(deg, width, sides):
    d = int(abs(deg))
    return "%0*d%07.4f,%s" % (width, d, (abs(deg) - d) * 60, sides[0] if deg >= 0 else sides[1])


def main():
    lines = []
    lat, lon = START
    t = 0
    steps = list(HEADINGS)
    for i, heading in enumerate(steps):
        following = steps[(i + 1) % len(steps)]
        for s in range(HOLD + TURN):
            if s < HOLD:
                compass = heading + WOBBLE * math.sin(2 * math.pi * s / 9)
            else:
                compass = heading + (following - heading) % 360 * (s - HOLD + 1) / (TURN + 1)
            compass %= 360
            course = (compass + deviation(compass) + DECLINATION_EAST) % 360
            clock = "12%02d%02d" % (t // 60 % 60, t % 60)
            lines.append(sentence("HCHDG,%.1f,,,%.1f,E" % (compass, DECLINATION_EAST)))
            lines.append(sentence("GPRMC,%s,A,%s,%s,%.1f,%.1f,100326,%.1f,E" % (
                clock, position(lat, 2, "NS"), position(lon, 3, "EW"), SPEED, course, DECLINATION_EAST)))
            lines.append(sentence("GPVTG,%.1f,T,,M,%.1f,N,%.1f,K" % (course, SPEED, SPEED * 1.852)))
            miles = SPEED / 3600
            lat += miles * math.cos(math.radians(course)) / 60
            lon += miles * math.sin(math.radians(course)) / 60 / math.cos(math.radians(lat))
            t += 1
    out = pathlib.Path(__file__).resolve().parent.parent / "resources" / "giro-demo.nmea"
    out.write_bytes("".join(lines).encode("ascii"))


if __name__ == "__main__":
    main()
