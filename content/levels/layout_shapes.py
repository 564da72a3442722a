"""Drawing tools for card layouts: rows, arcs, rings, pixel letters and
stacks of cards, on the 1024 x 768 screen (y downward).

A card place is (x, y, rot): its centre and its rotation in degrees,
clockwise. A site is a place where a stack of cards lies: the top card sits
on the place and every card under it is shifted by the site's peek, so the
covered cards show an edge. Layers are drawn bottom first; within a layer,
later cards lie on top.
"""

import math

CX = 512  # the axis of symmetry of every layout


class Site:
    """A stack place. core sites are the deeper ones when a layout asks for
    a depth between two whole numbers."""

    def __init__(self, x, y, rot=0.0, core=False, peek=(0.0, -11.0)):
        self.x, self.y, self.rot, self.core, self.peek = x, y, rot, core, peek


def site_depth(site, depth):
    """The number of cards on a site for a layout depth such as 2 or 2.5:
    core sites round up, the others down (at least one card)."""
    low = max(1, int(math.floor(depth)))
    high = max(1, int(math.ceil(depth)))
    return high if site.core else low


def stacks(sites, depth):
    """The layers of stacks on `sites`, bottom layer first."""
    heights = [site_depth(s, depth) for s in sites]
    tallest = max(heights, default=0)
    layers = []
    for level in range(tallest):
        above = tallest - 1 - level  # cards lying over this layer on every site that reaches it
        layer = []
        for s, h in zip(sites, heights):
            if h > above:
                layer.append((s.x + s.peek[0] * above, s.y + s.peek[1] * above, s.rot))
        layers.append(layer)
    return layers


def merge(*parts):
    """Layer lists drawn one after the other: later parts lie on top."""
    out = []
    for part in parts:
        out.extend(part)
    return out


# --- Symmetry and placement ------------------------------------------------------

def mirrored(sites):
    """The sites and their mirror images across the centre line (sites on
    the line are kept once)."""
    out = list(sites)
    for s in sites:
        if abs(s.x - CX) > 0.5:
            out.append(Site(2 * CX - s.x, s.y, -s.rot, s.core, (-s.peek[0], s.peek[1])))
    return out


def inward(sites, centre, step=11.0):
    """Points the peek of every site toward `centre`, so the cards under a
    stack show on the side facing the middle of the figure."""
    cx, cy = centre
    for s in sites:
        dx, dy = cx - s.x, cy - s.y
        d = math.hypot(dx, dy)
        s.peek = (0.0, -step) if d < 1 else (dx / d * step, dy / d * step)
    return sites


def with_peek(sites, peek):
    for s in sites:
        s.peek = peek
    return sites


def cores(sites, pick):
    """Marks as core the sites whose index satisfies pick(index)."""
    for i, s in enumerate(sites):
        s.core = bool(pick(i))
    return sites


# --- Lines and curves -----------------------------------------------------------------

def row(n, y, step=80.0, x=CX, rot=0.0):
    """n sites in a horizontal row centred on x."""
    return [Site(x + (k - (n - 1) / 2) * step, y, rot) for k in range(n)]


def column(n, x, y0, step, rot=0.0):
    return [Site(x, y0 + k * step, rot) for k in range(n)]


def ellipse_point(cx, cy, rx, ry, angle):
    a = math.radians(angle)
    return cx + rx * math.cos(a), cy + ry * math.sin(a)


# Curves are walked in "card steps": a card's width across and its height
# down count the same, so cards spaced evenly along a curve are as far apart
# on its steep parts as on its flat ones.
CARD_STEP = (80.0, 108.0)


def _even_angles(cx, cy, rx, ry, a0, a1, n, closed):
    """n angles from a0 toward a1 spaced evenly in card steps."""
    samples = 720
    angles = [a0 + (a1 - a0) * k / samples for k in range(samples + 1)]
    pts = [ellipse_point(cx, cy, rx, ry, a) for a in angles]
    length = [0.0]
    for (x1, y1), (x2, y2) in zip(pts, pts[1:]):
        length.append(length[-1] + math.hypot((x2 - x1) / CARD_STEP[0], (y2 - y1) / CARD_STEP[1]))
    total = length[-1]
    gaps = n if closed else max(1, n - 1)
    out, j = [], 0
    for k in range(n):
        want = total * k / gaps if n > 1 or closed else total / 2
        while j < samples and length[j + 1] < want:
            j += 1
        span = (length[j + 1] - length[j]) if j < samples else 1.0
        t = (want - length[j]) / span if span else 0.0
        out.append(angles[j] + (angles[min(j + 1, samples)] - angles[j]) * t)
    return out


def ring(n, cx, cy, rx, ry, start=-90.0, tilt=20.0, even=True):
    """n sites round an ellipse, evenly in card steps (or in equal angles
    when even is False), the first at angle `start` (0 is right, 90 down).
    Cards lean like spokes, by at most `tilt` degrees on the diagonals and
    not at all at the top, bottom and sides."""
    out = []
    angles = (_even_angles(cx, cy, rx, ry, start, start + 360.0, n, True) if even
              else [start + 360.0 * k / n for k in range(n)])
    for a in angles:
        x, y = ellipse_point(cx, cy, rx, ry, a)
        out.append(Site(x, y, tilt * math.sin(math.radians(2 * (a + 90)))))
    return out


def arc(n, cx, cy, rx, ry, a0, a1, tilt=20.0):
    """n sites on an elliptic arc from angle a0 to a1 (ends included),
    evenly in card steps, leaning outward by up to `tilt` degrees at the
    sides."""
    out = []
    for a in _even_angles(cx, cy, rx, ry, a0, a1, n, False):
        x, y = ellipse_point(cx, cy, rx, ry, a)
        out.append(Site(x, y, tilt * math.sin(math.radians(a + 90))))
    return out


def spread_on_curve(points, n, closed=False, lean=1.0):
    """n sites evenly by length along a polyline (ends included, or evenly
    round it when closed); each leans with the curve's slope times `lean`,
    kept within 30 degrees."""
    if closed:
        points = list(points) + [points[0]]
    lengths = [0.0]
    for (x1, y1), (x2, y2) in zip(points, points[1:]):
        lengths.append(lengths[-1] + math.hypot(x2 - x1, y2 - y1))
    total = lengths[-1]
    gaps = n if closed else max(1, n - 1)
    out = []
    seg = 0
    for k in range(n):
        want = total * k / gaps
        while seg < len(points) - 2 and lengths[seg + 1] < want:
            seg += 1
        (x1, y1), (x2, y2) = points[seg], points[seg + 1]
        span = lengths[seg + 1] - lengths[seg] or 1.0
        t = (want - lengths[seg]) / span
        slope = math.degrees(math.atan2(y2 - y1, x2 - x1))
        if slope > 90:
            slope -= 180
        if slope < -90:
            slope += 180
        out.append(Site(x1 + (x2 - x1) * t, y1 + (y2 - y1) * t, max(-30.0, min(30.0, slope * lean))))
    return out


def polygon(vertices, per_edge, lean=0.5):
    """Sites round a closed polygon: each vertex and per_edge - 1 sites
    evenly between it and the next; cards on an edge lean with it by the
    share `lean` of its slope (vertices stay upright)."""
    out = []
    for k, (x1, y1) in enumerate(vertices):
        x2, y2 = vertices[(k + 1) % len(vertices)]
        slope = math.degrees(math.atan2(y2 - y1, x2 - x1))
        if slope > 90:
            slope -= 180
        if slope < -90:
            slope += 180
        for j in range(per_edge):
            t = j / per_edge
            out.append(Site(x1 + (x2 - x1) * t, y1 + (y2 - y1) * t, slope * lean if j else 0.0))
    return out


# --- Pixel lettering ---------------------------------------------------------------

GLYPHS = {
    "F": ["###", "#..", "##.", "#..", "#.."],
    "S": ["###", "#..", "###", "..#", "###"],
    "G": ["###", "#..", "#.#", "#.#", "###"],
    "O": ["###", "#.#", "#.#", "#.#", "###"],
    "A": [".#.", "#.#", "###", "#.#", "#.#"],
    "L": ["#..", "#..", "#..", "#..", "###"],
    "1": [".#.", "##.", ".#.", ".#.", "###"],
    "2": ["###", "..#", "###", "#..", "###"],
    "0": ["###", "#.#", "#.#", "#.#", "###"],
    ":": [".", "#", ".", "#", "."],
}


def lettering(text, top, col_step, row_step, gap=1):
    """The cells of `text` in 5-row pixel letters, centred on the screen.
    Returns (sites of the even rows, sites of the odd rows): the odd rows
    overlap the even ones and are drawn over them."""
    glyphs = [GLYPHS[ch] for ch in text]
    cols = sum(len(g[0]) for g in glyphs) + gap * (len(glyphs) - 1)
    x0 = CX - (cols - 1) / 2 * col_step
    even, odd = [], []
    c = 0
    for g in glyphs:
        for r, line_ in enumerate(g):
            for k, cell in enumerate(line_):
                if cell == "#":
                    s = Site(x0 + (c + k) * col_step, top + r * row_step)
                    (odd if r % 2 else even).append(s)
        c += len(g[0]) + gap
    return even, odd
