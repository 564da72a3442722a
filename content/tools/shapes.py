"""Drawn objects shared by the picture scripts: the football and playing
cards. Each returns an RGBA image, drawn supersampled for smooth edges.
"""

import math

from PIL import Image, ImageChops, ImageDraw, ImageFont

import imaging
import palette

# --- Football: a truncated icosahedron puffed onto a sphere -----------------

_PHI = (1 + 5 ** 0.5) / 2


def _icosahedron():
    verts = []
    for a in (-1, 1):
        for b in (-_PHI, _PHI):
            verts += [(0, a, b), (a, b, 0), (b, 0, a)]
    edges = {}
    for i, p in enumerate(verts):
        edges[i] = [j for j, q in enumerate(verts) if j != i and abs(_dist(p, q) - 2.0) < 1e-6]
    faces = set()
    for i in edges:
        for j in edges[i]:
            for k in edges[j]:
                if k in edges[i]:
                    faces.add(tuple(sorted((i, j, k))))
    return verts, edges, sorted(faces)


def _dist(p, q):
    return math.sqrt(sum((p[i] - q[i]) ** 2 for i in range(3)))


def _lerp(p, q, t):
    return tuple(p[i] + (q[i] - p[i]) * t for i in range(3))


def _norm(p):
    n = math.sqrt(sum(c * c for c in p))
    return tuple(c / n for c in p)


def _cross(a, b):
    return (a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0])


def _dot(a, b):
    return sum(a[i] * b[i] for i in range(3))


def _ball_faces():
    """The 12 pentagons and 20 hexagons of a football, as lists of 3D points
    (in order around each face)."""
    verts, edges, faces = _icosahedron()
    pentagons = []
    for i, v in enumerate(verts):
        pts = [_lerp(v, verts[j], 1 / 3) for j in edges[i]]
        # Order around v: angles in the plane perpendicular to v.
        n = _norm(v)
        ref = _norm(tuple(pts[0][k] - v[k] for k in range(3)))
        other = _cross(n, ref)

        def angle(p):
            d = tuple(p[k] - v[k] for k in range(3))
            return math.atan2(_dot(d, other), _dot(d, ref))

        pentagons.append(sorted(pts, key=angle))
    hexagons = []
    for a, b, c in faces:
        A, B, C = verts[a], verts[b], verts[c]
        hexagons.append([_lerp(A, B, 1 / 3), _lerp(A, B, 2 / 3), _lerp(B, C, 1 / 3),
                         _lerp(B, C, 2 / 3), _lerp(C, A, 1 / 3), _lerp(C, A, 2 / 3)])
    return pentagons, hexagons


def _rotation(yaw, pitch, roll):
    cy, sy = math.cos(yaw), math.sin(yaw)
    cp, sp = math.cos(pitch), math.sin(pitch)
    cr, sr = math.cos(roll), math.sin(roll)

    def rotate(p):
        x, y, z = p
        x, z = x * cy + z * sy, -x * sy + z * cy
        y, z = y * cp - z * sp, y * sp + z * cp
        x, y = x * cr - y * sr, x * sr + y * cr
        return (x, y, z)

    return rotate


def football(size, lit=True, yaw=0.35, pitch=0.55, roll=0.2, factor=8):
    """A football size x size pixels. Lit: a bright white ball with dark
    patches and soft shading. Not lit: the same ball dimmed to a cool grey,
    half transparent, for things not yet reached."""
    S = size * factor
    r = S * 0.5 - factor  # one final pixel of margin
    cx = cy = S / 2
    rotate = _rotation(yaw, pitch, roll)
    pentagons, hexagons = _ball_faces()

    if lit:
        white, patch, seam = palette.BALL_WHITE, palette.BALL_PATCH, palette.BALL_SHADE
    else:
        white = palette.BALL_DIM
        patch = palette.scale(palette.BALL_DIM, 0.55)
        seam = palette.scale(palette.BALL_DIM, 0.75)

    def project(face):
        pts = []
        for i in range(len(face)):
            p, q = face[i], face[(i + 1) % len(face)]
            for s in range(8):
                x, y, z = rotate(_norm(_lerp(p, q, s / 8)))
                if z < 0:  # past the rim: pin to the outline
                    n = math.hypot(x, y) or 1.0
                    x, y = x / n, y / n
                pts.append((cx + x * r, cy - y * r))
        centre = rotate(_norm(tuple(sum(c[k] for c in face) / len(face) for k in range(3))))
        return pts, centre[2]

    body = Image.new("RGB", (S, S), white)
    draw = ImageDraw.Draw(body)
    shapes = [(project(f), patch) for f in pentagons] + [(project(f), white) for f in hexagons]
    shapes = [s for s in shapes if s[0][1] > -0.2]
    shapes.sort(key=lambda s: s[0][1])
    seam_width = max(1, int(r * 0.035))
    for (pts, _depth), colour in shapes:
        draw.polygon(pts, fill=colour)
        draw.line(pts + [pts[0]], fill=seam, width=seam_width, joint="curve")

    # Spherical light from the top left, a dark rim and a small highlight.
    reach = r * 2.25  # from the lit spot to beyond the far rim
    light = imaging.radial_mask(reach * 2, reach * 2, power=1.0)
    light = light.point(lambda v: int(105 + v * 150 / 255))
    shading = Image.new("L", (S, S), 105)
    shading.paste(light, (int(cx - r * 0.35 - reach), int(cy - r * 0.35 - reach)))
    body = ImageChops.multiply(body, Image.merge("RGB", (shading, shading, shading)))
    if lit:
        imaging.glow(body, (cx - r * 0.38, cy - r * 0.42), r * 0.42, r * 0.32,
                     (255, 255, 255), strength=0.75, power=2.2)

    disc = Image.new("L", (S, S), 0)
    ImageDraw.Draw(disc).ellipse((cx - r, cy - r, cx + r, cy + r), fill=255 if lit else 150)
    body = body.convert("RGBA")
    body.putalpha(disc)
    return imaging.downsample(body, factor)


# --- Playing cards ---------------------------------------------------------

SUITS = {"spades": ("\u2660", palette.CARD_INK), "hearts": ("\u2665", palette.CARD_RED),
         "diamonds": ("\u2666", palette.CARD_RED), "clubs": ("\u2663", palette.CARD_INK)}


def _rounded(draw, box, radius, **kw):
    draw.rounded_rectangle(box, radius=radius, **kw)


def card_face(width, height, rank, suit, font_path, emblem=None, factor=4):
    """A card face: rounded corners, corner indices (rank over suit, repeated
    upside down) and a big centre pip, or the emblem image when given."""
    W, H = width * factor, height * factor
    img = Image.new("RGBA", (W, H), (0, 0, 0, 0))
    draw = ImageDraw.Draw(img)
    radius = W * 0.09
    _rounded(draw, (0, 0, W - 1, H - 1), radius, fill=palette.CARD_EDGE)
    edge = max(2, int(W * 0.012))
    _rounded(draw, (edge, edge, W - 1 - edge, H - 1 - edge), radius - edge, fill=palette.CARD_FACE)
    inset = W * 0.16
    _rounded(draw, (inset, inset * 1.05, W - inset, H - inset * 1.05), radius * 0.6,
             outline=palette.mix(palette.CARD_FACE, palette.GOLD_DEEP, 0.45), width=max(1, factor))

    symbol, colour = SUITS[suit]
    index_font = ImageFont.truetype(font_path, int(W * 0.2))
    pip_font = ImageFont.truetype(font_path, int(W * 0.15))

    corner = Image.new("RGBA", (int(W * 0.2), int(H * 0.3)), (0, 0, 0, 0))
    cd = ImageDraw.Draw(corner)
    cd.text((corner.width / 2, 0), rank, font=index_font, fill=colour, anchor="mt")
    cd.text((corner.width / 2, index_font.size * 1.0), symbol, font=pip_font, fill=colour, anchor="mt")
    pad = int(W * 0.025)
    img.alpha_composite(corner, (pad, int(pad * 1.8)))
    img.alpha_composite(corner.rotate(180), (W - corner.width - pad, H - corner.height - int(pad * 1.8)))

    if emblem is not None:
        e = emblem.resize((int(W * 0.52), int(W * 0.52)), Image.LANCZOS)
        img.alpha_composite(e, ((W - e.width) // 2, (H - e.height) // 2))
    else:
        big = ImageFont.truetype(font_path, int(W * 0.5))
        draw.text((W / 2, H / 2), symbol, font=big, fill=colour, anchor="mm")
    return imaging.downsample(img, factor)


def card_back(width, height, factor=4):
    """A card back: deep blue with a diamond lattice and a gold frame."""
    W, H = width * factor, height * factor
    img = Image.new("RGBA", (W, H), (0, 0, 0, 0))
    draw = ImageDraw.Draw(img)
    radius = W * 0.09
    _rounded(draw, (0, 0, W - 1, H - 1), radius, fill=palette.CARD_EDGE)
    edge = max(2, int(W * 0.012))
    _rounded(draw, (edge, edge, W - 1 - edge, H - 1 - edge), radius - edge, fill=palette.CARD_FACE)
    m = W * 0.07
    inner = (m, m, W - m, H - m)
    _rounded(draw, inner, radius * 0.7, fill=palette.CARD_BACK_BLUE)
    lattice = Image.new("L", (W, H), 0)
    ld = ImageDraw.Draw(lattice)
    step = W / 7
    for i in range(-14, 28):
        x = i * step
        ld.line((x, 0, x + H, H), fill=255, width=max(1, factor))
        ld.line((x, 0, x - H, H), fill=255, width=max(1, factor))
    clip = Image.new("L", (W, H), 0)
    _rounded(ImageDraw.Draw(clip), inner, radius * 0.7, fill=110)
    lattice = ImageChops.multiply(lattice, clip)
    img.paste(Image.new("RGBA", (W, H), palette.CARD_BACK_BLUE_DARK + (255,)), (0, 0), lattice)
    _rounded(draw, inner, radius * 0.7, outline=palette.GOLD, width=max(2, int(factor * 1.5)))
    return imaging.downsample(img, factor)
