#!/usr/bin/env python3
"""Makes the program's pictures (start pictures, the dial family strip and the
slide show) under resources/pictures/.

usage: scripts/make_pictures.py [KELVRA_EXE]

With a kelvra executable whose "draw" command works, planar dials are drawn
by Kelvra itself (kelvra draw -o x.jpg). Otherwise, and for the families that
Kelvra cannot draw yet, the dials are computed here (shadow of a nodus on the
dial plane) and rendered with ImageMagick from a vector drawing.
"""
import math
import os
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, 'resources', 'pictures')
SIZE = 600
OBLIQUITY = 23.44
ZODIAC = [OBLIQUITY * math.sin(math.radians(l)) for l in range(90, 271, 30)]


def rad(x):
    return math.radians(x)


def sun_vector(lat, decl, hour_angle):
    """Sun direction (east, north, up) for hour angle (deg, west positive)."""
    f, d, h = rad(lat), rad(decl), rad(hour_angle)
    return (-math.cos(d) * math.sin(h),
            math.sin(d) * math.cos(f) - math.cos(d) * math.cos(h) * math.sin(f),
            math.sin(d) * math.sin(f) + math.cos(d) * math.cos(h) * math.cos(f))


def plane_basis(inclination, declination):
    """Normal and in-plane axes; declination from south, west positive."""
    a = rad(declination)
    facing = (-math.sin(a), -math.cos(a), 0.0)
    i = rad(inclination)
    n = tuple(math.cos(i) * u + math.sin(i) * v for u, v in zip((0, 0, 1), facing))
    if inclination < 1e-6:
        return n, (1.0, 0.0, 0.0), (0.0, 1.0, 0.0)
    up = (0.0, 0.0, 1.0)
    u1 = (up[1] * n[2] - up[2] * n[1], up[2] * n[0] - up[0] * n[2], up[0] * n[1] - up[1] * n[0])
    length = math.sqrt(sum(c * c for c in u1))
    u1 = tuple(c / length for c in u1)
    u2 = (n[1] * u1[2] - n[2] * u1[1], n[2] * u1[0] - n[0] * u1[2], n[0] * u1[1] - n[1] * u1[0])
    return n, u1, u2


def shadow(lat, decl, hour_angle, basis, gnomon):
    n, u1, u2 = basis
    s = sun_vector(lat, decl, hour_angle)
    if s[2] <= 0.01:
        return None
    sn = sum(a * b for a, b in zip(s, n))
    if sn <= 0.05:
        return None
    t = gnomon / sn
    p = [gnomon * c - t * v for c, v in zip(n, s)]
    return (sum(a * b for a, b in zip(p, u1)), sum(a * b for a, b in zip(p, u2)))


class Mvg:
    def __init__(self, title, subtitle):
        self.items = []
        self.title = title
        self.subtitle = subtitle

    def line(self, pts, colour, width=1.5):
        if len(pts) < 2:
            return
        coords = ' '.join(f'{x:.1f},{y:.1f}' for x, y in pts)
        self.items.append(f'stroke "{colour}" stroke-width {width} fill none polyline {coords}')

    def text(self, x, y, s, colour='#202020', size=13):
        s = s.replace('"', "'")
        self.items.append(f'stroke none fill "{colour}" font-size {size} text {x:.1f},{y:.1f} "{s}"')

    def circle(self, x, y, r, colour, fill='none', width=1.5):
        self.items.append(f'stroke "{colour}" stroke-width {width} fill {fill} circle {x:.1f},{y:.1f} {x + r:.1f},{y:.1f}')

    def write(self, path, quality=72):
        body = ['viewbox 0 0 %d %d' % (SIZE, SIZE),
                'fill "#f4efd9" rectangle 0,0 %d,%d' % (SIZE, SIZE),
                'stroke "#7a6a40" stroke-width 3 fill none rectangle 12,12 %d,%d' % (SIZE - 12, SIZE - 12),
                'font "DejaVu-Sans"']
        body += self.items
        body.append('stroke none fill "#2b2b2b" font-size 20 text 30,46 "%s"' % self.title)
        body.append('stroke none fill "#4b4b4b" font-size 13 text 30,68 "%s"' % self.subtitle)
        with tempfile.NamedTemporaryFile('w', suffix='.mvg', delete=False) as f:
            f.write('\n'.join(body) + '\n')
            mvg = f.name
        try:
            subprocess.run(['convert', f'mvg:{mvg}', '-strip', '-quality', str(quality), path],
                           check=True)
        finally:
            os.unlink(mvg)


def planar_dial(path, title, lat, lon_deg, inclination, declination, gnomon=35.0):
    basis = plane_basis(inclination, declination)
    pts = {}
    for hour in range(4, 21):
        line = []
        for k in range(0, 49):
            decl = -OBLIQUITY + k * 2 * OBLIQUITY / 48
            p = shadow(lat, decl, 15 * (hour - 12), basis, gnomon)
            if p:
                line.append(p)
        pts[hour] = line
    dates = []
    for decl in ZODIAC:
        line = []
        for k in range(0, 241):
            p = shadow(lat, decl, -120 + k, basis, gnomon)
            if p and abs(p[0]) < 260 and abs(p[1]) < 260:
                line.append(p)
            elif line:
                dates.append(line)
                line = []
        if line:
            dates.append(line)
    allp = [q for v in pts.values() for q in v] + [q for v in dates for q in v]
    allp = [q for q in allp if abs(q[0]) < 260 and abs(q[1]) < 260] or [(0, 0)]
    xs = [q[0] for q in allp] + [0]
    ys = [q[1] for q in allp] + [0]
    span = max(max(xs) - min(xs), max(ys) - min(ys), 60)
    scale = 430 / span
    cx = (max(xs) + min(xs)) / 2
    cy = (max(ys) + min(ys)) / 2

    def px(q):
        return (SIZE / 2 + (q[0] - cx) * scale, SIZE / 2 + 30 - (q[1] - cy) * scale)

    side = 'W' if declination > 0 else 'E'
    m = Mvg(title, f'lat {lat:.2f}  lon {lon_deg:.2f}  incl {inclination:.0f}  decl {abs(declination):.1f} {side}')
    for line in dates:
        m.line([px(q) for q in line if abs(q[0]) < 260 and abs(q[1]) < 260], '#1f4fbf', 1.2)
    for hour, line in pts.items():
        inside = [q for q in line if abs(q[0]) < 260 and abs(q[1]) < 260]
        m.line([px(q) for q in inside], '#b02020' if hour == 12 else '#202020', 2.0 if hour == 12 else 1.5)
        if inside:
            end = px(inside[-1] if inclination > 45 else inside[0])
            m.text(end[0] - 6, end[1] + (16 if inclination > 45 else -6), str(hour), '#7a1010', 14)
    foot = px((0, 0))
    m.circle(foot[0], foot[1], 4, '#2d6a2d', '"#2d6a2d"')
    m.write(path)


def altitude_dial(path, title, kind, lat):
    """Shepherd's, hidokei, quadrant, ring, azimuthal and bifilar pictures."""
    m = Mvg(title, f'lat {lat:.2f}')
    f = rad(lat)

    def altitude(decl, hour_angle):
        d, h = rad(decl), rad(hour_angle)
        return math.degrees(math.asin(math.sin(f) * math.sin(d) + math.cos(f) * math.cos(d) * math.cos(h)))

    if kind in ('z', 'k'):
        # Shadow length against the date: one curve per hour.
        left, right, top, bottom = 60, 560, 110, 560
        m.line([(left, top), (right, top), (right, bottom), (left, bottom), (left, top)], '#7a6a40', 2)
        for month in range(13):
            x = left + (right - left) * month / 12
            m.line([(x, top), (x, bottom)], '#c8bb90', 1)
        for hour in range(6, 13):
            curve = []
            for day in range(0, 366, 4):
                decl = OBLIQUITY * math.sin(2 * math.pi * (day - 80) / 365.25)
                alt = altitude(decl, 15 * (hour - 12))
                if alt > 2:
                    length = min(1.0, 0.35 / math.tan(rad(alt)))
                    y = top + (bottom - top) * length if kind == 'z' else bottom - (bottom - top) * length
                    curve.append((left + (right - left) * day / 365.25, y))
            m.line(curve, '#202020' if hour != 12 else '#b02020', 1.6)
            if curve:
                m.text(curve[len(curve) // 2][0], curve[len(curve) // 2][1] - 4, f'{hour}/{24 - hour}', '#7a1010', 12)
    elif kind == 'q':
        cx, cy, r = 90, 540, 430
        m.line([(cx, cy), (cx + r, cy)], '#202020', 2)
        m.line([(cx, cy), (cx, cy - r)], '#202020', 2)
        m.line([(cx + r * math.cos(rad(a)), cy - r * math.sin(rad(a))) for a in range(0, 91)], '#202020', 2)
        for hour in range(6, 13):
            curve = []
            for k in range(0, 51):
                decl = -OBLIQUITY + 2 * OBLIQUITY * k / 50
                alt = altitude(decl, 15 * (hour - 12))
                if alt > 0:
                    rr = r * (0.3 + 0.65 * k / 50)
                    curve.append((cx + rr * math.cos(rad(alt)), cy - rr * math.sin(rad(alt))))
            m.line(curve, '#b02020' if hour == 12 else '#202020', 1.6)
        for a in range(0, 91, 10):
            m.line([(cx + r * math.cos(rad(a)), cy - r * math.sin(rad(a))),
                    (cx + (r - 18) * math.cos(rad(a)), cy - (r - 18) * math.sin(rad(a)))], '#1f4fbf', 1.5)
    elif kind == 'r':
        left, right, top, bottom = 50, 570, 200, 480
        m.line([(left, top), (right, top), (right, bottom), (left, bottom), (left, top)], '#7a6a40', 2)
        for hour in range(5, 13):
            curve = []
            for k in range(0, 41):
                decl = -OBLIQUITY + 2 * OBLIQUITY * k / 40
                alt = altitude(decl, 15 * (hour - 12))
                if alt > 0:
                    curve.append((left + (right - left) * k / 40, bottom - (bottom - top) * alt / 70))
            m.line(curve, '#b02020' if hour == 12 else '#202020', 1.6)
            if curve:
                m.text(curve[-1][0] + 2, curve[-1][1], str(hour), '#7a1010', 12)
    elif kind == 'a':
        cx, cy = 300, 330
        for r in range(40, 241, 40):
            m.circle(cx, cy, r, '#1f4fbf', 'none', 1.2)
        for hour in range(5, 20):
            curve = []
            for k in range(0, 41):
                decl = -OBLIQUITY + 2 * OBLIQUITY * k / 40
                h = rad(15 * (hour - 12))
                d = rad(decl)
                az = math.atan2(math.sin(h), math.cos(h) * math.sin(f) - math.tan(d) * math.cos(f))
                if altitude(decl, 15 * (hour - 12)) > 0:
                    rr = 40 + 200 * k / 40
                    curve.append((cx - rr * math.sin(az), cy + rr * math.cos(az)))
            m.line(curve, '#b02020' if hour == 12 else '#202020', 1.6)
    else:  # bifilar
        cx, cy = 300, 330
        for k in range(-6, 7):
            m.line([(cx + 40 * k - 200, cy - 220), (cx + 40 * k + 200, cy + 220)], '#202020', 1.3)
        for decl in ZODIAC:
            curve = [(cx + x, cy - 120 * math.tan(rad(decl + 10)) + 0.002 * x * x) for x in range(-250, 251, 10)]
            m.line(curve, '#1f4fbf', 1.3)
    m.write(path)


def draw_with_kelvra(exe, path, sets, extra=()):
    if not exe:
        return False
    # The drawing window's screen picture, made smaller for the strip and the
    # slide show.
    full = path + '.full.jpg'
    args = [exe, 'draw', '-o', full, '--size', '1400x990', '--set', 'gnomonHeight=22'] + list(extra)
    for s in sets:
        args += ['--set', s]
    try:
        subprocess.run(args, check=True, capture_output=True, timeout=60)
        subprocess.run(['convert', full, '-resize', '700x', '-strip', '-quality', '75', path], check=True)
        return True
    except (OSError, subprocess.CalledProcessError, subprocess.TimeoutExpired):
        return False
    finally:
        if os.path.exists(full):
            os.unlink(full)


# The ring dial's band: one band, 6 to 18 o'clock every half hour.
RING = ['kind=r', 'wholeYear=true', 'otherHoursFrom=6', 'otherHoursTo=18', 'otherHourInterval=1']

# Drawings of the README, each made by `kelvra draw` exactly as the command
# line below it in the README shows (docs/pictures/NAME.jpg).
DOCS = [
    ('azimuthal_dates', ['--lang', 'en'], ['kind=a', 'azimuthCircleMode=0', 'azimuthZodiacScale=false']),
    ('azimuthal_tonne', ['--lang', 'en'], ['kind=a', 'azimuthCircleMode=1', 'altitudeCircleSpacing=1',
                                           'temporalHours=true']),
    ('azimuthal_stereographic', ['--lang', 'en', '--horizon', 'HORIZON'],
     ['kind=a', 'azimuthCircleMode=1', 'altitudeCircleSpacing=2', 'babylonianHours=true']),
    ('azimuthal_orthographic', ['--lang', 'en', '--lat', '-33.87', '--lon', '-151.2', '--zone', '-150'],
     ['kind=a', 'azimuthCircleMode=1', 'altitudeCircleSpacing=3', 'zoneTime=true', 'altitudeWithEot=true']),
    ('bifilar', ['--lang', 'en'], ['kind=f', 'dateLineMode=1', 'bifilarThreads.p3.y=20',
                                   'bifilarThreads.p4.y=-10']),
    ('quadrant', ['--lang', 'en'], ['kind=q', 'quadrantAzimuthLines=true']),
    ('quadrant_gunter', ['--lang', 'en', '--lat', '53.55'], ['kind=q', 'quadrantDateScale=2',
                                                            'otherHoursFrom=6', 'otherHoursTo=12']),
    ('peaucellier', ['--lang', 'en'], ['kind=p', 'otherHourInterval=2']),
    ('ring', ['--lang', 'en'], RING),
    ('ring_table', ['--lang', 'en', '--correction-table'], ['kind=r']),
    ('bifilar_classic', ['--lang', 'en', '--lat', '30.04'], ['kind=f', 'michnikClassic=true',
                                                            'hoursFrom=6', 'hoursTo=18']),
    ('sawyer_loops', ['--lang', 'en'], ['kind=w', 'sawyerTimeMode=2', 'gnomonHeight=25',
                                        'dateLineMode=0']),
    ('sawyer_equant', ['--lang', 'en'], ['kind=w', 'sawyerTimeMode=0', 'gnomonHeight=25',
                                         'sawyerCenter=90', 'sawyerLineAngle=5', 'dateLineMode=0']),
    ('habermel_tablet', ['--lang', 'en'], ['kind=q', 'altitudeVariant=1', 'dialDiameter=180',
                                           'dateLineMode=1', 'otherHourInterval=1']),
    ('habermel_disc', ['--lang', 'en', '--lat', '-33.87'], ['kind=q', 'altitudeVariant=2',
                                                           'dialDiameter=180']),
    ('mean_time_cone', ['--lang', 'en'], ['kind=m']),
    ('mean_time_wall', ['--lang', 'en'], ['kind=m', 'dialPlane=1', 'gnomonHeight=40']),
    ('biazimuthal', ['--lang', 'en'], ['kind=c', 'secondLatitude=40.42', 'secondLongitude=3.7']),
]


def ridge_profile(path):
    """A horizon profile file: a ridge in the south-west and one in the east."""
    lines = [' 47,2513150000\t Latitude (where South is negative)',
             ' 9,5900000000\tLongitude (where  West is negative)',
             '720\t NPoints (Azimut, Elevation, Distanz);  two ridges']
    for i in range(720):
        az = -180 + i / 2
        alt = 2 + 14 * math.exp(-((az - 55) / 22) ** 2) + 8 * math.exp(-((az + 75) / 30) ** 2)
        field = lambda w, d, x: f'{x:{w}.{d}f}'.replace('.', ',')
        lines.append(f'{field(7, 2, az)} \t {field(9, 4, alt)} \t {field(7, 2, 1500.0)} \t {field(7, 2, 900.0)} \t ')
    with open(path, 'wb') as f:
        f.write(('\r\n'.join(lines) + '\r\n').encode('cp1252'))


def docs_pictures(exe):
    folder = os.path.join(ROOT, 'docs', 'pictures')
    os.makedirs(folder, exist_ok=True)
    with tempfile.TemporaryDirectory() as tmp:
        horizon = os.path.join(tmp, 'ridges.ele')
        ridge_profile(horizon)
        for name, options, sets in DOCS:
            full = os.path.join(tmp, name + '.png')
            args = [exe, 'draw', '-o', full, '--size', '1400x990']
            args += [horizon if o == 'HORIZON' else o for o in options]
            for s in sets:
                args += ['--set', s]
            # In the working folder of the drawing: the correction table
            # writes its table file there.
            subprocess.run(args, check=True, capture_output=True, timeout=60, cwd=tmp)
            subprocess.run(['convert', full, '-resize', '900x', '-strip', '-quality', '80',
                            os.path.join(folder, name + '.jpg')], check=True)


def main():
    exe = os.path.abspath(sys.argv[1]) if len(sys.argv) > 1 else None
    os.makedirs(OUT, exist_ok=True)
    sites = [('Dornbirn', 47.25, -9.59), ('Hamburg', 53.55, -10.0), ('Rom', 41.9, -12.5),
             ('Madrid', 40.42, 3.7), ('Oslo', 59.91, -10.75), ('Sydney', -33.87, -151.2),
             ('Kairo', 30.04, -31.24), ('Quito', -0.18, 78.47)]
    planar = {'h': (0, 0), 'v': (90, -11.7), 'i': (50, 20), 's': (0, 0)}
    names = {'h': 'Horizontal Dial', 'v': 'Vertical Declining Dial', 'i': 'Inclining Dial',
             's': 'Umbrella Dial'}
    for kind, (inc, dec) in planar.items():
        path = os.path.join(OUT, f'dial_{kind}.jpg')
        sets = ['kind=' + ('h' if kind == 's' else kind), f'inclination={inc}', f'wallDeclination={dec}']
        if kind == 's':
            sets.append('umbrella=true')
        if not draw_with_kelvra(exe, path, sets):
            planar_dial(path, names[kind], 47.25, -9.59, inc, dec)
    # The altitude and cylinder dials: the shepherd's dial stands for kind z.
    drawn = {'z': ['kind=z', 'cylinderVariant=0', 'monthScaleLength=250', 'altitudeLines=true'],
             'k': ['kind=k', 'monthScaleDouble=true', 'otherHoursFrom=12', 'otherHourInterval=1'],
             'a': ['kind=a', 'azimuthCircleMode=0', 'azimuthZodiacScale=false', 'otherHoursFrom=8',
                   'otherHoursTo=17'],
             'f': ['kind=f', 'dateLineMode=1', 'hourInterval=1', 'hoursFrom=7', 'hoursTo=17'],
             'q': ['kind=q', 'quadrantDateScale=0', 'otherHoursFrom=6', 'otherHoursTo=12',
                   'otherHourInterval=2'],
             'r': RING}
    for kind, name in [('z', "Shepherds' Dial"), ('a', 'Azimuthal Sundial'), ('q', 'Quadrant Sundial'),
                       ('k', 'Horizontal Altitude Dial'), ('r', 'Ring Dial'), ('f', 'Bifilar Dial')]:
        path = os.path.join(OUT, f'dial_{kind}.jpg')
        if kind in drawn and draw_with_kelvra(exe, path, drawn[kind]):
            continue
        altitude_dial(path, name, kind, 47.25)
    # The Peaucellier dial's picture of the dial type dialog: Kelvra's drawing only.
    draw_with_kelvra(exe, os.path.join(OUT, 'dial_p.jpg'), ['kind=p', 'otherHourInterval=2'])
    # The Sawyer decliner and the two Habermel dials: Kelvra's drawings only.
    draw_with_kelvra(exe, os.path.join(OUT, 'dial_w.jpg'), ['kind=w', 'sawyerTimeMode=2', 'dateLineMode=0'])
    draw_with_kelvra(exe, os.path.join(OUT, 'dial_q1.jpg'), ['kind=q', 'altitudeVariant=1', 'dateLineMode=1'])
    draw_with_kelvra(exe, os.path.join(OUT, 'dial_q2.jpg'), ['kind=q', 'altitudeVariant=2'])
    # The mean-time dial with its cone and the biazimuthal dial (Dornbirn and Madrid).
    draw_with_kelvra(exe, os.path.join(OUT, 'dial_m.jpg'), ['kind=m', 'gnomonHeight=35'])
    draw_with_kelvra(exe, os.path.join(OUT, 'dial_c.jpg'),
                     ['kind=c', 'secondLatitude=40.42', 'secondLongitude=3.7'])
    # The slide show: 26 dials of several kinds and sites (the captions in the
    # program follow the same order: v h v i v h v i v h v v i h v v h i v h v i v h v v).
    order = 'vhvivhvivhvvihvvhivhvivhvv'
    for i, kind in enumerate(order):
        town, lat, lon = sites[i % len(sites)]
        inc = {'h': 0, 'v': 90, 'i': 35 + 5 * (i % 5)}[kind]
        dec = {'h': 0, 'v': -40 + 9 * (i % 9), 'i': -30 + 15 * (i % 5)}[kind]
        path = os.path.join(OUT, f'gallery_{i + 1:02d}.jpg')
        sets = [f'kind={kind}', f'inclination={inc}', f'wallDeclination={dec}']
        if not draw_with_kelvra(exe, path, sets, ['--lat', str(lat), '--lon', str(lon)]):
            planar_dial(path, f'{names[kind]}, {town}', lat, lon, inc, dec)
    # The slide show goes on with the altitude and cylinder dials: a shepherd's
    # dial for Oslo and a horizontal altitude dial for Sydney (captions 1484, 1487).
    for number, town, sets in [(27, 'Oslo', ['kind=z', 'cylinderVariant=0', 'zoneTime=true', 'otherHoursFrom=7',
                                             'otherHoursTo=17', 'monthScaleLength=240']),
                               (28, 'Sydney', ['kind=k', 'monthScaleDouble=true', 'otherHoursFrom=12',
                                               'otherHourInterval=1'])]:
        _, lat, lon = next(s for s in sites if s[0] == town)
        path = os.path.join(OUT, f'gallery_{number:02d}.jpg')
        if not draw_with_kelvra(exe, path, sets, ['--lat', str(lat), '--lon', str(lon)]):
            altitude_dial(path, town, sets[0][-1], lat)
    # Then an azimuthal dial with stereographic altitude circles for Rome and
    # Michnik's classical bifilar dial for Cairo (captions 1485, 1489).
    for number, town, kind, sets in [
            (29, 'Rom', 'a', ['kind=a', 'azimuthCircleMode=1', 'altitudeCircleSpacing=2',
                              'zodiacLinesPerMonth=2', 'otherHoursFrom=7', 'otherHoursTo=17']),
            (30, 'Kairo', 'f', ['kind=f', 'michnikClassic=true', 'dateLineMode=0', 'hoursFrom=6',
                                'hoursTo=18', 'hourInterval=1'])]:
        _, lat, lon = next(s for s in sites if s[0] == town)
        path = os.path.join(OUT, f'gallery_{number:02d}.jpg')
        if not draw_with_kelvra(exe, path, sets, ['--lat', str(lat), '--lon', str(lon)]):
            altitude_dial(path, town, kind, lat)
    # Last, Gunter's quadrant for Hamburg (caption 1486).
    _, lat, lon = next(s for s in sites if s[0] == 'Hamburg')
    path = os.path.join(OUT, 'gallery_31.jpg')
    if not draw_with_kelvra(exe, path, ['kind=q', 'quadrantDateScale=2', 'otherHoursFrom=6',
                                        'otherHoursTo=12'], ['--lat', str(lat), '--lon', str(lon)]):
        altitude_dial(path, 'Hamburg', 'q', lat)
    if exe:
        docs_pictures(exe)
    for name, sets in [('start_1.jpg', ['kind=v', 'inclination=90', 'wallDeclination=-11.7', 'hoursWithEot=true']),
                       ('start_2.jpg', ['kind=h', 'inclination=0', 'wallDeclination=0', 'italianHours=true'])]:
        path = os.path.join(OUT, name)
        if not draw_with_kelvra(exe, path, sets):
            planar_dial(path, 'Kelvra', 47.25, -9.59, 90 if 'kind=v' in sets else 0, -11.7 if 'kind=v' in sets else 0)


if __name__ == '__main__':
    main()
