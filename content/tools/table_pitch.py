"""Drawing a football pitch seen from straight above, for the table
backgrounds: grass with mown patterns and grain, the painted markings, goals,
and the light that falls on it. Works on numpy float arrays (H x W, or
H x W x 3 for colour) so a whole picture is a few array operations.

Pitch coordinates are metres from the centre spot: u along the length (the
goal lines at u = -52.5 and +52.5), v across (the touchlines at v = -34 and
+34). A View maps picture pixels to pitch coordinates.
"""

import math

import numpy as np
from PIL import Image

HALF_LENGTH = 52.5
HALF_WIDTH = 34.0
CIRCLE_R = 9.15
BOX_DEPTH, BOX_HALF = 16.5, 20.16
SIX_DEPTH, SIX_HALF = 5.5, 9.16
SPOT_DIST = 11.0
GOAL_HALF, GOAL_DEPTH = 3.66, 2.0
LINE_WIDTH = 0.12


class View:
    """The picture seen as pitch: pixel (ox, oy) shows pitch point (u0, v0);
    scale pixels per metre; angle turns the pitch on the picture (0: length
    left to right, 90: length top to bottom)."""

    def __init__(self, width, height, scale, origin_px, origin_pitch=(0.0, 0.0), angle=0.0):
        self.width, self.height, self.scale = width, height, float(scale)
        py, px = np.mgrid[0:height, 0:width].astype(np.float32)
        self.px, self.py = px, py
        dx = (px - origin_px[0]) / self.scale
        dy = (py - origin_px[1]) / self.scale
        a = math.radians(angle)
        ca, sa = math.cos(a), math.sin(a)
        self.u = (dx * ca + dy * sa + origin_pitch[0]).astype(np.float32)
        self.v = (-dx * sa + dy * ca + origin_pitch[1]).astype(np.float32)


# --- Noise -----------------------------------------------------------------

def smooth_noise(rng, width, height, cell, anisotropy=1.0):
    """Value noise with features about cell pixels wide (cell * anisotropy
    along x), normalised to a standard deviation of about 1."""
    cx = max(1, int(round(cell * anisotropy)))
    cy = max(1, int(round(cell)))
    gw, gh = width // cx + 3, height // cy + 3
    small = rng.standard_normal((gh, gw)).astype(np.float32)
    img = Image.fromarray(small, "F").resize((gw * cx, gh * cy), Image.BICUBIC)
    arr = np.asarray(img, dtype=np.float32)[cy:cy + height, cx:cx + width]
    std = float(arr.std()) or 1.0
    return (arr - float(arr.mean())) / std


def fractal_noise(rng, width, height, cells, weights, anisotropy=1.0):
    """Sum of smooth noises at several feature sizes, normalised."""
    total = np.zeros((height, width), np.float32)
    for cell, weight in zip(cells, weights):
        total += weight * smooth_noise(rng, width, height, cell, anisotropy)
    std = float(total.std()) or 1.0
    return total / std


def grain(rng, width, height, stretch=2):
    """Per-pixel grass grain: fine noise stretched along one direction like
    blades lying the way they were mown (stretch > 0 along x, < 0 along y)."""
    if stretch >= 0:
        small = rng.standard_normal((height, max(1, width // max(1, stretch)) + 1)).astype(np.float32)
        img = Image.fromarray(small, "F").resize((small.shape[1] * max(1, stretch), height), Image.BILINEAR)
        arr = np.asarray(img, dtype=np.float32)[:, :width]
    else:
        k = -stretch
        small = rng.standard_normal((height // k + 1, width)).astype(np.float32)
        img = Image.fromarray(small, "F").resize((width, small.shape[0] * k), Image.BILINEAR)
        arr = np.asarray(img, dtype=np.float32)[:height, :]
    return arr / (float(arr.std()) or 1.0)


# --- Mown patterns ---------------------------------------------------------

def soft_square(t, sharpness=5.0):
    """0..1 square wave of period 2 in t (0 on even, 1 on odd bands) with
    soft edges."""
    return 0.5 + 0.5 * np.tanh(sharpness * np.sin(np.pi * t))


def stripes(coord, width, sharpness=5.0, offset=0.5):
    """Bands of the given width (metres) across the coordinate; a band is
    centred on coordinate 0 when offset is 0.5."""
    return soft_square(coord / width + offset, sharpness).astype(np.float32)


# --- Markings --------------------------------------------------------------

def _segment_distance(u, v, u0, v0, u1, v1):
    du, dv = u1 - u0, v1 - v0
    length2 = du * du + dv * dv
    t = np.clip(((u - u0) * du + (v - v0) * dv) / length2, 0.0, 1.0)
    return np.hypot(u - (u0 + t * du), v - (v0 + t * dv))


def _line_alpha(distance_m, scale, width_m, min_px):
    half = max(width_m * scale, min_px) / 2.0
    return np.clip(half - distance_m * scale + 0.5, 0.0, 1.0)


def pitch_markings(view, width_m=LINE_WIDTH, min_px=2.0, corner_arcs=True):
    """Alpha (0..1) of the painted lines of a full-size pitch."""
    u, v, s = view.u, view.v, view.scale
    au, av = np.abs(u), np.abs(v)
    out = np.zeros_like(u)

    def add(a):
        np.maximum(out, a, out=out)

    def seg(u0, v0, u1, v1):
        add(_line_alpha(_segment_distance(au, av, u0, v0, u1, v1), s, width_m, min_px))

    seg(0.0, HALF_WIDTH, HALF_LENGTH, HALF_WIDTH)            # touchlines
    seg(HALF_LENGTH, 0.0, HALF_LENGTH, HALF_WIDTH)            # goal lines
    add(_line_alpha(_segment_distance(u, av, 0.0, 0.0, 0.0, HALF_WIDTH), s, width_m, min_px))  # halfway
    box = HALF_LENGTH - BOX_DEPTH
    seg(box, 0.0, box, BOX_HALF)
    seg(box, BOX_HALF, HALF_LENGTH, BOX_HALF)
    six = HALF_LENGTH - SIX_DEPTH
    seg(six, 0.0, six, SIX_HALF)
    seg(six, SIX_HALF, HALF_LENGTH, SIX_HALF)
    r = np.hypot(u, v)
    add(_line_alpha(np.abs(r - CIRCLE_R), s, width_m, min_px))
    spot_r = max(0.18, 1.6 / s)
    add(_line_alpha(np.maximum(r - spot_r, 0.0), s, 0.0, 0.0))  # centre spot
    spot = HALF_LENGTH - SPOT_DIST
    rs = np.hypot(au - spot, v)
    add(_line_alpha(np.maximum(rs - spot_r, 0.0), s, 0.0, 0.0))  # penalty spots
    arc = _line_alpha(np.abs(rs - CIRCLE_R), s, width_m, min_px) * (au < box)
    add(arc)
    if corner_arcs:
        rc = np.hypot(au - HALF_LENGTH, av - HALF_WIDTH)
        add(_line_alpha(np.abs(rc - 1.0), s, width_m, min_px) * (au < HALF_LENGTH) * (av < HALF_WIDTH))
    return out


def rect_outline(view, u0, v0, u1, v1, width_m, min_px=2.0):
    """Alpha of a rectangle's outline in pitch coordinates (for extra lines,
    such as the small-sided grids of a training pitch)."""
    u, v, s = view.u, view.v, view.scale
    out = np.zeros_like(u)
    for a, b, c, d in ((u0, v0, u1, v0), (u1, v0, u1, v1), (u1, v1, u0, v1), (u0, v1, u0, v0)):
        np.maximum(out, _line_alpha(_segment_distance(u, v, a, b, c, d), s, width_m, min_px), out=out)
    return out


def goal_frames(view, post_px=3.0):
    """(frame alpha, net alpha) of the two goals seen from above: the posts
    and crossbar along the goal line, and the net behind it with its mesh."""
    u, v, s = view.u, view.v, view.scale
    au, av = np.abs(u), np.abs(v)
    behind = (au > HALF_LENGTH) & (au < HALF_LENGTH + GOAL_DEPTH) & (av < GOAL_HALF)
    mesh_m = 0.3
    mu = np.abs(((au - HALF_LENGTH) / mesh_m) % 1.0 - 0.5)
    mv = np.abs((av / mesh_m) % 1.0 - 0.5)
    mesh = np.clip(1.2 - np.minimum(mu, mv) * mesh_m * s, 0.0, 1.0)
    net = behind * (0.35 + 0.65 * mesh)
    # The net's rim: back bar and side bars.
    rim = np.zeros_like(u)
    for u0, v0, u1, v1 in ((HALF_LENGTH + GOAL_DEPTH, 0.0, HALF_LENGTH + GOAL_DEPTH, GOAL_HALF),
                           (HALF_LENGTH, GOAL_HALF, HALF_LENGTH + GOAL_DEPTH, GOAL_HALF)):
        np.maximum(rim, _line_alpha(_segment_distance(au, av, u0, v0, u1, v1), s, 0.05, 1.6), out=rim)
    frame = _line_alpha(_segment_distance(au, av, HALF_LENGTH, 0.0, HALF_LENGTH, GOAL_HALF), s, 0.12, post_px)
    posts = _line_alpha(np.maximum(np.hypot(au - HALF_LENGTH, av - GOAL_HALF) - 0.06, 0.0), s, 0.0, post_px + 1.5)
    frame = np.maximum(frame, posts)
    return frame, np.maximum(net, rim * 0.9)


# --- Light -----------------------------------------------------------------

def elliptic_distance(view, cx, cy, rx, ry):
    """Distance from (cx, cy) in units of the radii (1 on the ellipse)."""
    return np.hypot((view.px - cx) / rx, (view.py - cy) / ry)


def smoothstep(e0, e1, x):
    t = np.clip((x - e0) / (e1 - e0), 0.0, 1.0)
    return t * t * (3.0 - 2.0 * t)


def vignette(view, inner=0.55, outer=1.25, cx=512.0, cy=365.0, rx=600.0, ry=470.0):
    """0 in the calm middle, rising to 1 toward the corners."""
    d = elliptic_distance(view, cx, cy, rx, ry)
    return smoothstep(inner, outer, d).astype(np.float32)


def mix(base, colour, amount):
    """Blends an H x W x 3 array toward an RGB colour (0..255) by an H x W
    amount (0..1)."""
    c = np.asarray(colour, np.float32).reshape(1, 1, 3)
    a = amount[..., None]
    return base * (1.0 - a) + c * a


def tint(colour):
    return np.asarray(colour, np.float32).reshape(1, 1, 3)


def grass(stripe, light_rgb, dark_rgb, noise_amount=None):
    """Grass colour from a 0..1 stripe field: dark bands at 0, light at 1,
    with an optional H x W brightness modulation (about 1.0)."""
    lo, hi = tint(dark_rgb), tint(light_rgb)
    rgb = lo + (hi - lo) * stripe[..., None]
    if noise_amount is not None:
        rgb = rgb * noise_amount[..., None]
    return rgb


def to_image(rgb):
    return Image.fromarray(np.clip(rgb + 0.5, 0, 255).astype(np.uint8), "RGB")
