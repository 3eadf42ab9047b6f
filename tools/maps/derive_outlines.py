#!/usr/bin/env python3
"""Derive assets/maps/outlines.txt, the country selection maps' outline table.

Run by hand, once; the build never runs it. Its input is Natural Earth's
admin-0 countries at 1:50m (public domain), as the npm package world-atlas
ships it in TopoJSON:

    cd /tmp && npm pack world-atlas && tar xzf world-atlas-*.tgz
    python3 tools/maps/derive_outlines.py /tmp/package/countries-50m.json \
        assets/world/countries.txt assets/maps/outlines.txt

Our country table gives the flags' places, which the anchors follow.

Only the Python standard library is used. The output is deterministic.

What it does:
  - decodes the shared arcs and simplifies each one once (Douglas-Peucker,
    0.1 degrees over Europe's map, 0.3 elsewhere), so that neighbours keep
    one common border;
  - tags every ring with our country id, 0 for land of no map country, with
    the borders of 1999: Serbia, Montenegro and Kosovo are Yugoslavia,
    Crimea is Ukraine's, northern Cyprus is Cyprus's;
  - splits the United Kingdom: Northern Ireland, and Great Britain's islands
    north of the Scottish border to Scotland; Great Britain itself stays
    England's and is cut by the two border lines written with it;
  - writes one anchor per map country: the point well inside it nearest to
    where the map's affine fit puts its flag (a micro-state's capital).
"""
import json
import math
import sys

EUROPE_BOX = (-30.0, 26.0, 72.0, 76.0)  # lon0, lat0, lon1, lat1
FINE, COARSE = 0.1, 0.3

# Natural Earth's short names -> our country ids (the 71 map countries).
NAMES = {
    'Albania': 1, 'Andorra': 3, 'Armenia': 7, 'Austria': 10, 'Azerbaijan': 11,
    'Belarus': 16, 'Belgium': 17, 'Bosnia and Herz.': 22, 'Bulgaria': 26,
    'Croatia': 44, 'Cyprus': 46, 'N. Cyprus': 46, 'Czechia': 47, 'Denmark': 48,
    'Estonia': 57, 'Faeroe Is.': 59, 'Finland': 61, 'France': 62,
    'Macedonia': 63, 'Georgia': 66, 'Germany': 67, 'Greece': 69,
    'Hungary': 79, 'Iceland': 80, 'Israel': 85, 'Italy': 86, 'Latvia': 97,
    'Lithuania': 103, 'Luxembourg': 104, 'Malta': 111, 'Moldova': 115,
    'Netherlands': 121, 'Norway': 128, 'Poland': 136, 'Portugal': 137,
    'Ireland': 140, 'Romania': 141, 'Russia': 142, 'Slovakia': 155,
    'Slovenia': 156, 'Spain': 160, 'Sweden': 165, 'Switzerland': 166,
    'Turkey': 176, 'Ukraine': 179, 'Serbia': 190, 'Montenegro': 190,
    'Kosovo': 190,
    'Algeria': 2, 'Argentina': 6, 'Australia': 9, 'Brazil': 24,
    'Cameroon': 30, 'Chile': 36, 'China': 37, 'Colombia': 39, 'Egypt': 53,
    'Hong Kong': 78, 'India': 81, 'Jamaica': 87, 'Japan': 88,
    'South Korea': 92, 'Mexico': 114, 'Morocco': 116, 'New Zealand': 123,
    'Nigeria': 126, 'Paraguay': 133, 'South Africa': 159,
    'United States of America': 181, 'Uruguay': 182,
}
ENGLAND, SCOTLAND, WALES, NORTHERN_IRELAND, UKRAINE = 55, 150, 187, 127, 179

# Capitals (lon, lat), the anchors of the micro-states. The flags stand in
# their countries' middles, not on their capitals (Germany's flag is west of
# Berlin, Poland's east of Warsaw), and capitals as anchors would turn some
# triangles of neighbours round (Berlin, Prague, Vienna), which folds any warp
# through them. So a country's anchor is the point well inside it that lies
# nearest to where the map's affine fit puts its flag.
ANCHORS = {
    1: (19.82, 41.33), 3: (1.52, 42.51), 7: (44.51, 40.18), 10: (16.37, 48.21),
    11: (49.87, 40.41), 16: (27.56, 53.90), 17: (4.35, 50.85), 22: (18.41, 43.86),
    26: (23.32, 42.70), 44: (15.98, 45.81), 46: (33.36, 35.17), 47: (14.42, 50.09),
    48: (12.57, 55.68), 55: (-0.13, 51.51), 57: (24.75, 59.44), 59: (-6.77, 62.01),
    61: (24.94, 60.17), 62: (2.35, 48.86), 63: (21.43, 42.00), 66: (44.79, 41.72),
    67: (13.40, 52.52), 69: (23.73, 37.98), 79: (19.04, 47.50), 80: (-21.94, 64.15),
    85: (35.21, 31.77), 86: (12.50, 41.90), 97: (24.11, 56.95), 103: (25.28, 54.69),
    104: (6.13, 49.61), 111: (14.51, 35.90), 115: (28.86, 47.01), 121: (4.90, 52.37),
    127: (-5.93, 54.60), 128: (10.75, 59.91), 136: (21.01, 52.23), 137: (-9.14, 38.72),
    140: (-6.26, 53.35), 141: (26.10, 44.43), 142: (37.62, 55.76), 150: (-3.19, 55.95),
    155: (17.11, 48.15), 156: (14.51, 46.06), 160: (-3.70, 40.42), 165: (18.07, 59.33),
    166: (7.45, 46.95), 176: (32.86, 39.93), 179: (30.52, 50.45), 187: (-3.18, 51.48),
    190: (20.46, 44.82),
    2: (3.06, 36.75), 6: (-58.38, -34.60), 9: (149.13, -35.28), 24: (-47.88, -15.79),
    30: (11.52, 3.85), 36: (-70.67, -33.45), 37: (116.40, 39.90), 39: (-74.07, 4.71),
    53: (31.24, 30.04), 78: (114.17, 22.32), 81: (77.21, 28.61), 87: (-76.79, 17.97),
    88: (139.69, 35.69), 92: (126.98, 37.57), 114: (-99.13, 19.43), 116: (-6.84, 34.02),
    123: (174.78, -41.29), 126: (7.40, 9.08), 133: (-57.58, -25.26), 159: (28.19, -25.75),
    181: (-77.04, 38.91), 182: (-56.16, -34.90),
}
# Anchors set by hand: the home nations, whose land the table does not split.
FIXED = {ENGLAND: (-1.50, 52.60), SCOTLAND: (-4.20, 56.90), WALES: (-3.70, 52.30)}

# The 1999 borders inside Great Britain: Solway Firth to Berwick, and the
# Dee estuary to the Severn estuary. Each line starts and ends at sea.
BORDERS = [
    (SCOTLAND, [(-3.40, 54.86), (-3.06, 54.98), (-2.86, 55.06), (-2.68, 55.17),
                (-2.56, 55.26), (-2.33, 55.33), (-2.15, 55.46), (-2.27, 55.55),
                (-2.24, 55.64), (-2.05, 55.75), (-2.03, 55.81), (-1.88, 55.90)]),
    (WALES, [(-3.25, 53.40), (-3.03, 53.25), (-2.93, 53.17), (-2.76, 53.01),
             (-3.02, 52.94), (-3.14, 52.84), (-3.02, 52.66), (-3.12, 52.54),
             (-3.05, 52.36), (-3.00, 52.24), (-3.10, 52.12), (-2.96, 51.98),
             (-2.74, 51.90), (-2.65, 51.82), (-2.67, 51.63), (-2.78, 51.52)]),
]
CRIMEA = (32.4, 44.3, 36.7, 46.2)  # lon0, lat0, lon1, lat1


def decode_arcs(topo):
    sx, sy = topo['transform']['scale']
    tx, ty = topo['transform']['translate']
    arcs = []
    for arc in topo['arcs']:
        x = y = 0
        pts = []
        for dx, dy in arc:
            x += dx
            y += dy
            pts.append((x * sx + tx, y * sy + ty))
        arcs.append(pts)
    return arcs


def seg_dist(p, a, b):
    ax, ay = a
    bx, by = b
    px, py = p
    dx, dy = bx - ax, by - ay
    n = dx * dx + dy * dy
    t = 0.0 if n == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / n))
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


def douglas_peucker(pts, tol):
    if len(pts) < 3:
        return list(pts)
    keep = [False] * len(pts)
    keep[0] = keep[-1] = True
    stack = [(0, len(pts) - 1)]
    while stack:
        i, j = stack.pop()
        best, k = -1.0, -1
        for m in range(i + 1, j):
            d = seg_dist(pts[m], pts[i], pts[j])
            if d > best:
                best, k = d, m
        if k >= 0 and best > tol:
            keep[k] = True
            stack.append((i, k))
            stack.append((k, j))
    return [p for p, f in zip(pts, keep) if f]


def keep_body(half, tol):
    # Half of a small island keeps its farthest point, so the island stays a
    # ring rather than a line.
    out = douglas_peucker(half, tol)
    if len(out) == 2 and len(half) > 2:
        k = max(range(1, len(half) - 1), key=lambda m: seg_dist(half[m], half[0], half[-1]))
        out = [half[0], half[k], half[-1]]
    return out


def simplify_arc(pts):
    lon0, lat0, lon1, lat1 = EUROPE_BOX
    near = any(lon0 <= x <= lon1 and lat0 <= y <= lat1 for x, y in pts)
    tol = FINE if near else COARSE
    if len(pts) > 3 and pts[0] == pts[-1]:
        # A closed arc: cut it at its farthest point so that it keeps a body.
        far = max(range(len(pts)), key=lambda m: math.hypot(pts[m][0] - pts[0][0], pts[m][1] - pts[0][1]))
        return keep_body(pts[:far + 1], tol)[:-1] + keep_body(pts[far:], tol)
    return douglas_peucker(pts, tol)


def ring_points(ring, arcs):
    out = []
    for a in ring:
        pts = arcs[a] if a >= 0 else list(reversed(arcs[~a]))
        out.extend(pts if not out else pts[1:])
    return out


def area(ring):
    s = 0.0
    for (x0, y0), (x1, y1) in zip(ring, ring[1:] + ring[:1]):
        s += x0 * y1 - x1 * y0
    return s / 2


def centroid(ring):
    xs = [p[0] for p in ring]
    ys = [p[1] for p in ring]
    return sum(xs) / len(xs), sum(ys) / len(ys)


def inside(pt, ring):
    x, y = pt
    c = False
    for (x0, y0), (x1, y1) in zip(ring, ring[1:] + ring[:1]):
        if (y0 > y) != (y1 > y) and x < x0 + (y - y0) * (x1 - x0) / (y1 - y0):
            c = not c
    return c


def inner_points(ring):
    # Points inside the ring with their distance from it, on a grid of about
    # 60 x 60.
    xs = [p[0] for p in ring]
    ys = [p[1] for p in ring]
    step = max(0.05, (max(xs) - min(xs)) / 60, (max(ys) - min(ys)) / 60)
    out = []
    y = min(ys) + step / 2
    while y < max(ys):
        x = min(xs) + step / 2
        while x < max(xs):
            if inside((x, y), ring):
                out.append(((x, y), min(seg_dist((x, y), a, b) for a, b in zip(ring, ring[1:] + ring[:1]))))
            x += step
        y += step
    return out


def read_flags(path):
    # Our country table: id -> (map, flag centre x, y).
    flags = {}
    for line in open(path, encoding='utf-8'):
        f = line.rstrip('\n').split('|')
        if line.startswith('#') or len(f) < 12 or f[9] not in ('Europe', 'World'):
            continue
        for k in f[12:]:
            if k.startswith('flag='):
                x, y = map(int, k[5:].split(','))
                flags[int(f[0])] = (f[9], x + 9, y + 7)
    return flags


def solve3(m, v):
    m = [row[:] + [b] for row, b in zip(m, v)]
    for c in range(3):
        p = max(range(c, 3), key=lambda r: abs(m[r][c]))
        m[c], m[p] = m[p], m[c]
        for r in range(3):
            if r != c:
                f = m[r][c] / m[c][c]
                m[r] = [a - f * b for a, b in zip(m[r], m[c])]
    return [m[r][3] / m[r][r] for r in range(3)]


def place_anchors(rings, flags):
    # Candidates per country: the points of its rings well inside it.
    candidates = {}
    for cid in ANCHORS:
        own = [r for i, r in rings if i == cid]
        if cid in FIXED or not own or sum(abs(area(r)) for r in own) < 0.1:
            continue
        big = [r for r in own if abs(area(r)) >= 0.1] or [max(own, key=lambda r: abs(area(r)))]
        pts = [q for r in big for q in inner_points(r)]
        if not pts:
            continue
        deepest = max(d for _, d in pts)
        candidates[cid] = [p for p, d in pts if d >= min(0.4, 0.6 * deepest)]
    anchors = {cid: FIXED.get(cid, ANCHORS[cid]) for cid in ANCHORS}
    for _ in range(6):
        for name in ('Europe', 'World'):
            ids = [i for i in sorted(anchors) if flags[i][0] == name]
            # The affine fit from plate carree (lon, -lat) to the flags.
            m = [[0.0] * 3 for _ in range(3)]
            bx, by = [0.0] * 3, [0.0] * 3
            for i in ids:
                v = (1.0, anchors[i][0], -anchors[i][1])
                for r in range(3):
                    for c in range(3):
                        m[r][c] += v[r] * v[c]
                    bx[r] += v[r] * flags[i][1]
                    by[r] += v[r] * flags[i][2]
            ax, ay = solve3(m, bx), solve3(m, by)
            det = ax[1] * ay[2] - ax[2] * ay[1]
            for i in ids:
                if i not in candidates:
                    continue
                # Where the fit puts the flag, back in degrees.
                fx, fy = flags[i][1] - ax[0], flags[i][2] - ay[0]
                lon = (fx * ay[2] - fy * ax[2]) / det
                lat = -(ax[1] * fy - ay[1] * fx) / det
                anchors[i] = min(candidates[i], key=lambda p: (p[0] - lon) ** 2 + (p[1] - lat) ** 2)
    return {cid: (round(x, 2), round(y, 2)) for cid, (x, y) in anchors.items()}


def in_box(pt, box):
    return box[0] <= pt[0] <= box[2] and box[1] <= pt[1] <= box[3]


def main():
    src, flags_path, dst = sys.argv[1], sys.argv[2], sys.argv[3]
    topo = json.load(open(src, encoding='utf-8'))
    arcs = [simplify_arc(a) for a in decode_arcs(topo)]
    rings = []  # (id, points)
    seen = set()
    for g in topo['objects']['countries']['geometries']:
        name = g['properties']['name']
        seen.add(name)
        polys = g.get('arcs', [])
        if g['type'] == 'Polygon':
            polys = [polys]
        for poly in polys:
            outer = ring_points(poly[0], arcs)
            # Rings with fewer than three corners are gone at this scale.
            if len(set(outer)) < 3:
                continue
            # A ring cut at the antimeridian but spanning it (Fiji, Chukotka)
            # goes on east of 180 degrees rather than across the whole map.
            if max(p[0] for p in outer) - min(p[0] for p in outer) > 180:
                outer = [(x + 360 if x < 0 else x, y) for x, y in outer]
            cid = NAMES.get(name, 0)
            if name == 'United Kingdom':
                cx, cy = centroid(outer)
                if cx < -5.3 and cy < 55.4:
                    cid = NORTHERN_IRELAND
                elif abs(area(outer)) > 10:
                    cid = ENGLAND  # Great Britain, cut by the border lines
                elif cy > 55.8:
                    cid = SCOTLAND
                elif cy > 51.6 and cx < -3.9 and cy < 53.5:
                    cid = WALES  # Anglesey
                else:
                    cid = ENGLAND
            elif name == 'Russia' and in_box(centroid(outer), CRIMEA):
                cid = UKRAINE
            rings.append((cid, outer))
    missing = set(NAMES) - seen
    if missing:
        sys.exit('not in the source: ' + ', '.join(sorted(missing)))
    # Larger rings first, so that an enclosed country is drawn over its
    # neighbour.
    rings.sort(key=lambda r: -abs(area(r[1])))
    anchors = place_anchors(rings, read_flags(flags_path))
    with open(dst, 'w', encoding='utf-8', newline='\n') as out:
        out.write('# The country selection maps\' outline table.\n'
                  '# Source: Natural Earth admin-0 countries, 1:50m, version 4.1.0 (public domain),\n'
                  '# from the npm package world-atlas 2.0.2 (countries-50m.json), derived once by\n'
                  '# tools/maps/derive_outlines.py: simplified to 0.1 degrees over Europe and\n'
                  '# 0.3 elsewhere, tagged with the borders of 1999. The build never reads the source.\n'
                  '#\n'
                  '# anchor ID LON LAT          a point inside map country ID, under its flag (a micro-state\'s capital)\n'
                  '# border ID LON LAT ...      a line from sea to sea that cuts the land of the first\n'
                  '#                            ring\'s country (England): the side holding ID\'s anchor is ID\'s\n'
                  '# ring ID LON LAT ...        an outer ring, degrees; ID 0 is land of no map country\n')
        for cid, (x, y) in sorted(anchors.items()):
            out.write('anchor %d %.2f %.2f\n' % (cid, x, y))
        for cid, line in BORDERS:
            out.write('border %d %s\n' % (cid, ' '.join('%.2f %.2f' % p for p in line)))
        for cid, ring in rings:
            out.write('ring %d %s\n' % (cid, ' '.join('%.2f %.2f' % p for p in ring)))


if __name__ == '__main__':
    main()
