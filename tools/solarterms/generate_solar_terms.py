#!/usr/bin/env python3
"""Computes the moments of the 24 solar terms for 1880-2079 and writes them as
a C++ table of Unix seconds (src/core/chart/SolarTermTable.inc).

A solar term is the moment the Sun's apparent geocentric ecliptic longitude
reaches a multiple of 15 degrees: 285 deg (小寒) is the first term of a year,
270 deg (冬至) the last. Method (J. Meeus, Astronomical Algorithms, 2nd ed.,
chapters 22, 25 and 32):

  * heliocentric longitude L and radius R of the Earth from the VSOP87D series
    (ecliptic and dynamical equinox of date), read from vsop87d_earth.txt;
  * geocentric longitude L + 180 deg, converted to the FK5 system (-0.09033");
  * nutation in longitude from the IAU 1980 theory (63 terms, Meeus table 22.A);
  * annual aberration -20.4898" / R;
  * Terrestrial Time to Universal Time with the Espenak-Meeus polynomials for
    Delta T (NASA Five Millennium Canon of Solar Eclipses, 2006);
  * China Standard Time = UT + 8 h, rounded to the nearest second.

The longitude is solved for the target angle by Newton iteration to 1e-8 day.

Usage:
  generate_solar_terms.py [--output FILE]   write the table (default: the repository's)
  generate_solar_terms.py --check [FILE]    recompute and compare with the file; exit 1 on a difference
  generate_solar_terms.py --print YEAR      print the 24 moments of one year in China Standard Time
"""

import argparse
import datetime
import math
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_OUTPUT = os.path.normpath(os.path.join(HERE, "..", "..", "src", "core", "chart", "SolarTermTable.inc"))
FIRST_YEAR, LAST_YEAR = 1880, 2079
J2000 = 2451545.0
UNIX_EPOCH_JD = 2440587.5
ARCSEC = math.pi / (180.0 * 3600.0)


def load_vsop87(path):
    series = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            if not line.strip() or line.startswith("#"):
                continue
            key, a, b, c = line.split()
            series.setdefault(key[0], {}).setdefault(int(key[1:]), []).append((float(a), float(b), float(c)))
    return series


VSOP = load_vsop87(os.path.join(HERE, "vsop87d_earth.txt"))

# IAU 1980 nutation: multiples of D, M, M', F, Omega; then psi (0.0001") and its
# change per century, eps (0.0001") and its change per century.
NUTATION = [
    (0, 0, 0, 0, 1, -171996, -174.2, 92025, 8.9), (-2, 0, 0, 2, 2, -13187, -1.6, 5736, -3.1),
    (0, 0, 0, 2, 2, -2274, -0.2, 977, -0.5), (0, 0, 0, 0, 2, 2062, 0.2, -895, 0.5),
    (0, 1, 0, 0, 0, 1426, -3.4, 54, -0.1), (0, 0, 1, 0, 0, 712, 0.1, -7, 0),
    (-2, 1, 0, 2, 2, -517, 1.2, 224, -0.6), (0, 0, 0, 2, 1, -386, -0.4, 200, 0),
    (0, 0, 1, 2, 2, -301, 0, 129, -0.1), (-2, -1, 0, 2, 2, 217, -0.5, -95, 0.3),
    (-2, 0, 1, 0, 0, -158, 0, 0, 0), (-2, 0, 0, 2, 1, 129, 0.1, -70, 0),
    (0, 0, -1, 2, 2, 123, 0, -53, 0), (2, 0, 0, 0, 0, 63, 0, 0, 0),
    (0, 0, 1, 0, 1, 63, 0.1, -33, 0), (2, 0, -1, 2, 2, -59, 0, 26, 0),
    (0, 0, -1, 0, 1, -58, -0.1, 32, 0), (0, 0, 1, 2, 1, -51, 0, 27, 0),
    (-2, 0, 2, 0, 0, 48, 0, 0, 0), (0, 0, -2, 2, 1, 46, 0, -24, 0),
    (2, 0, 0, 2, 2, -38, 0, 16, 0), (0, 0, 2, 2, 2, -31, 0, 13, 0),
    (0, 0, 2, 0, 0, 29, 0, 0, 0), (-2, 0, 1, 2, 2, 29, 0, -12, 0),
    (0, 0, 0, 2, 0, 26, 0, 0, 0), (-2, 0, 0, 2, 0, -22, 0, 0, 0),
    (0, 0, -1, 2, 1, 21, 0, -10, 0), (0, 2, 0, 0, 0, 17, -0.1, 0, 0),
    (2, 0, -1, 0, 1, 16, 0, -8, 0), (-2, 2, 0, 2, 2, -16, 0.1, 7, 0),
    (0, 1, 0, 0, 1, -15, 0, 9, 0), (-2, 0, 1, 0, 1, -13, 0, 7, 0),
    (0, -1, 0, 0, 1, -12, 0, 6, 0), (0, 0, 2, -2, 0, 11, 0, 0, 0),
    (2, 0, -1, 2, 1, -10, 0, 5, 0), (2, 0, 1, 2, 2, -8, 0, 3, 0),
    (0, 1, 0, 2, 2, 7, 0, -3, 0), (-2, 1, 1, 0, 0, -7, 0, 0, 0),
    (0, -1, 0, 2, 2, -7, 0, 3, 0), (2, 0, 0, 2, 1, -7, 0, 3, 0),
    (2, 0, 1, 0, 0, 6, 0, 0, 0), (-2, 0, 2, 2, 2, 6, 0, -3, 0),
    (-2, 0, 1, 2, 1, 6, 0, -3, 0), (2, 0, -2, 0, 1, -6, 0, 3, 0),
    (2, 0, 0, 0, 1, -6, 0, 3, 0), (0, -1, 1, 0, 0, 5, 0, 0, 0),
    (-2, -1, 0, 2, 1, -5, 0, 3, 0), (-2, 0, 0, 0, 1, -5, 0, 3, 0),
    (0, 0, 2, 2, 1, -5, 0, 3, 0), (-2, 0, 2, 0, 1, 4, 0, 0, 0),
    (-2, 1, 0, 2, 1, 4, 0, 0, 0), (0, 0, 1, -2, 0, 4, 0, 0, 0),
    (-1, 0, 1, 0, 0, -4, 0, 0, 0), (-2, 1, 0, 0, 0, -4, 0, 0, 0),
    (1, 0, 0, 0, 0, -4, 0, 0, 0), (0, 0, 1, 2, 0, 3, 0, 0, 0),
    (0, 0, -2, 2, 2, -3, 0, 0, 0), (-1, -1, 1, 0, 0, -3, 0, 0, 0),
    (0, 1, 1, 0, 0, -3, 0, 0, 0), (0, -1, 1, 2, 2, -3, 0, 0, 0),
    (2, -1, -1, 2, 2, -3, 0, 0, 0), (0, 0, 3, 2, 2, -3, 0, 0, 0),
    (2, -1, 0, 2, 2, -3, 0, 0, 0),
]


def series_value(name, tau):
    total = 0.0
    for power, terms in sorted(VSOP[name].items()):
        total += sum(a * math.cos(b + c * tau) for a, b, c in terms) * tau**power
    return total


def polynomial(x, *coefficients):
    return sum(c * x**i for i, c in enumerate(coefficients))


def nutation_in_longitude(jde):
    """Delta psi in radians."""
    t = (jde - J2000) / 36525.0
    d = math.radians(polynomial(t, 297.85036, 445267.111480, -0.0019142, 1.0 / 189474))
    m = math.radians(polynomial(t, 357.52772, 35999.050340, -0.0001603, -1.0 / 300000))
    mm = math.radians(polynomial(t, 134.96298, 477198.867398, 0.0086972, 1.0 / 56250))
    f = math.radians(polynomial(t, 93.27191, 483202.017538, -0.0036825, 1.0 / 327270))
    om = math.radians(polynomial(t, 125.04452, -1934.136261, 0.0020708, 1.0 / 450000))
    psi = 0.0
    for cd, cm, cmm, cf, com, s0, s1, _c0, _c1 in reversed(NUTATION):
        psi += (s0 + s1 * t) * math.sin(cd * d + cm * m + cmm * mm + cf * f + com * om)
    return psi * 0.0001 * ARCSEC


def apparent_solar_longitude(jde):
    """Apparent geocentric longitude of the Sun in radians (0..2 pi) at a Julian Ephemeris Day."""
    tau = (jde - J2000) / 365250.0
    earth_longitude = series_value("L", tau)
    radius = series_value("R", tau)
    longitude = earth_longitude + math.pi
    longitude += -0.09033 * ARCSEC  # VSOP87 dynamical equinox to FK5
    longitude += nutation_in_longitude(jde)
    longitude += -20.4898 * ARCSEC / radius  # annual aberration
    return longitude % (2 * math.pi)


def delta_t(year):
    """TT - UT in seconds for a decimal year (Espenak & Meeus polynomials, 1860-2150)."""
    if year < 1860 or year >= 2150:
        raise ValueError("Delta T polynomial not used outside 1860-2150")
    if year < 1900:
        t = year - 1860
        return polynomial(t, 7.62, 0.5737, -0.251754, 0.01680668, -0.0004473624, 1.0 / 233174)
    if year < 1920:
        t = year - 1900
        return polynomial(t, -2.79, 1.494119, -0.0598939, 0.0061966, -0.000197)
    if year < 1941:
        t = year - 1920
        return polynomial(t, 21.20, 0.84493, -0.076100, 0.0020936)
    if year < 1961:
        t = year - 1950
        return polynomial(t, 29.07, 0.407, -1.0 / 233, 1.0 / 2547)
    if year < 1986:
        t = year - 1975
        return polynomial(t, 45.45, 1.067, -1.0 / 260, -1.0 / 718)
    if year < 2005:
        t = year - 2000
        return polynomial(t, 63.86, 0.3345, -0.060374, 0.0017275, 0.000651814, 0.00002373599)
    if year < 2050:
        t = year - 2000
        return polynomial(t, 62.92, 0.32217, 0.005589)
    return -20 + 32 * ((year - 1820) / 100) ** 2 - 0.5628 * (2150 - year)


def julian_day(year, month, day):
    """Julian Day at 0h of a Gregorian date."""
    if month <= 2:
        year -= 1
        month += 12
    a = year // 100
    b = 2 - a + a // 4
    return math.floor(365.25 * (year + 4716)) + math.floor(30.6001 * (month + 1)) + day + b - 1524.5


def term_moment(year, k):
    """Unix seconds (UT) of solar term k (1..24) of a Gregorian year."""
    target = math.radians((285 + 15 * (k - 1)) % 360)
    jde = julian_day(year, 1, 6) + (k - 1) * 365.2422 / 24.0  # mean date of the term
    for _ in range(20):
        diff = (target - apparent_solar_longitude(jde) + math.pi) % (2 * math.pi) - math.pi
        step = diff / (2 * math.pi) * 365.2422  # the Sun moves about 360 deg per tropical year
        jde += step
        if abs(step) < 1e-8:
            break
    else:
        raise RuntimeError(f"no convergence for {year} term {k}")
    decimal_year = 2000.0 + (jde - J2000) / 365.25
    jd_ut = jde - delta_t(decimal_year) / 86400.0
    return round((jd_ut - UNIX_EPOCH_JD) * 86400.0)


def cst_text(unix_seconds):
    moment = datetime.datetime(1970, 1, 1) + datetime.timedelta(seconds=unix_seconds + 8 * 3600)
    return moment.strftime("%Y-%m-%d %H:%M:%S")


def compute_all():
    return [term_moment(year, k) for year in range(FIRST_YEAR, LAST_YEAR + 1) for k in range(1, 25)]


def render(moments):
    lines = [
        "// Generated by tools/solarterms/generate_solar_terms.py; do not edit.",
        f"// The 24 solar terms of every year {FIRST_YEAR}-{LAST_YEAR} as Unix seconds (UTC), one year per line,",
        "// in the order 小寒 大寒 立春 ... 大雪 冬至.",
    ]
    for i in range(0, len(moments), 24):
        year = FIRST_YEAR + i // 24
        lines.append(f"/* {year} */ " + ",".join(str(m) for m in moments[i : i + 24]) + ",")
    return "\n".join(lines) + "\n"


def read_table(path):
    with open(path, encoding="utf-8") as f:
        body = "\n".join(line.split("*/", 1)[1] for line in f if line.startswith("/*"))
    return [int(x) for x in re.findall(r"-?\d+", body)]


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--output", default=DEFAULT_OUTPUT)
    parser.add_argument("--check", nargs="?", const=DEFAULT_OUTPUT, metavar="FILE")
    parser.add_argument("--print", type=int, metavar="YEAR", dest="print_year")
    args = parser.parse_args()

    if args.print_year is not None:
        for k in range(1, 25):
            print(k, cst_text(term_moment(args.print_year, k)))
        return 0
    moments = compute_all()
    if args.check:
        committed = read_table(args.check)
        if committed != moments:
            bad = [i for i, (a, b) in enumerate(zip(committed, moments)) if a != b]
            print(f"{args.check}: {len(bad)} of {len(moments)} moments differ (first: year "
                  f"{FIRST_YEAR + bad[0] // 24 if bad else '?'}), or the length differs", file=sys.stderr)
            return 1
        print(f"{args.check}: all {len(moments)} moments agree")
        return 0
    with open(args.output, "w", encoding="utf-8", newline="\n") as f:
        f.write(render(moments))
    print(f"wrote {len(moments)} moments to {args.output}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
