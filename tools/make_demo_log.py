#!/usr/bin/env python3
"""Writes resources/bordo-demo.nmea: two minutes of a boat's instruments, one
burst a second, for the replay source of "Dati di bordo".

The boat steers 090° true at 6.0 kn through the water, yawing 8° either side;
a current of about 1.2 kn towards 020° sets her 080° over the ground at
6.5 kn. Run it again after changing the figures below.
"""
import math
import pathlib

SECONDS = 120
HEADING = 90.0        # true, degrees
YAW = 8.0             # degrees either side
YAW_PERIOD = 7.0      # seconds
WATER_SPEED = 6.0     # knots
COURSE = 80.0         # over the ground, true
GROUND_SPEED = 6.5    # knots
START = (43.5, 10.3)  # latitude, longitude: off Livorno
VARIATION_EAST = 2.5  # degrees, as the GPS reports it


def sentence(body):
    checksum = 0
    for c in body:
        checksum ^= ord(c)
    return "$%s*%02X\r\n" % (body, checksum)


def latitude(deg):
    d = int(abs(deg))
    return "%02d%07.4f,%s" % (d, (abs(deg) - d) * 60, "N" if deg >= 0 else "S")


def longitude(deg):
    d = int(abs(deg))
    return "%03d%07.4f,%s" % (d, (abs(deg) - d) * 60, "E" if deg >= 0 else "W")


def main():
    lines = []
    lat, lon = START
    for t in range(SECONDS):
        clock = "12%02d%02d" % (t // 60, t % 60)
        heading = HEADING + YAW * math.sin(2 * math.pi * t / YAW_PERIOD)
        lines.append(sentence("GPRMC,%s,A,%s,%s,%.1f,%.1f,100326,%.1f,E" % (
            clock, latitude(lat), longitude(lon), GROUND_SPEED, COURSE, VARIATION_EAST)))
        lines.append(sentence("IIHDT,%.1f,T" % heading))
        lines.append(sentence("IIVHW,%.1f,T,,M,%.1f,N,%.1f,K" % (heading, WATER_SPEED, WATER_SPEED * 1.852)))
        lines.append(sentence("GPVTG,%.1f,T,,M,%.1f,N,%.1f,K" % (COURSE, GROUND_SPEED, GROUND_SPEED * 1.852)))
        # One second of the ground track, in miles of latitude and of departure.
        miles = GROUND_SPEED / 3600
        lat += miles * math.cos(math.radians(COURSE)) / 60
        lon += miles * math.sin(math.radians(COURSE)) / 60 / math.cos(math.radians(lat))
    out = pathlib.Path(__file__).resolve().parent.parent / "resources" / "bordo-demo.nmea"
    out.write_bytes("".join(lines).encode("ascii"))


if __name__ == "__main__":
    main()
