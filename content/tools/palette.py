"""The game's colours, by name, shared by every picture script.

Match-day at night: deep navy skies and shadowed stands, pitch greens lifted
by floodlight white, gold for titles and highlights. Colours are RGB tuples;
use with_alpha() where a picture needs transparency.
"""

# Night sky and stadium shadows
NIGHT_NAVY = (9, 16, 38)
NIGHT_NAVY_DEEP = (4, 8, 22)
NIGHT_HAZE = (36, 56, 96)  # sky glow near the floodlights
STAND_SHADOW = (14, 18, 30)
STAND_CONCRETE = (52, 58, 74)
ROOF_STEEL = (26, 30, 42)

# Pitch (two mown stripes, and the tones of grass under and away from light)
PITCH_GREEN_LIGHT = (66, 150, 58)
PITCH_GREEN_DARK = (46, 118, 44)
PITCH_GREEN_SHADE = (18, 52, 24)
PITCH_LINE_WHITE = (236, 242, 236)

# Floodlights
FLOODLIGHT_WHITE = (255, 252, 236)
FLOODLIGHT_WARM = (255, 232, 170)
FLOODLIGHT_COOL = (206, 226, 255)

# Gold accents (titles, done marks, trophies)
GOLD_LIGHT = (255, 236, 150)
GOLD = (246, 196, 62)
GOLD_DEEP = (182, 120, 22)
GOLD_SHADOW = (92, 54, 8)

# Cards
CARD_FACE = (250, 248, 240)
CARD_EDGE = (206, 200, 186)
CARD_RED = (200, 30, 44)
CARD_INK = (24, 28, 40)  # near-black: masked images must avoid pure black
CARD_BACK_BLUE = (22, 64, 148)
CARD_BACK_BLUE_DARK = (12, 36, 92)

# Football
BALL_WHITE = (248, 248, 246)
BALL_SHADE = (168, 174, 186)
BALL_PATCH = (28, 30, 38)
BALL_DIM = (126, 140, 164)  # a ball not yet lit

# Crowd shirts: a mix of club colours seen across a full stand
CROWD_COLOURS = [
    (206, 40, 48), (236, 236, 236), (30, 84, 180), (250, 206, 40),
    (40, 140, 70), (230, 110, 30), (120, 30, 40), (60, 60, 72),
    (36, 40, 52), (170, 180, 196), (120, 20, 120), (20, 150, 170),
]

# Text on dark backgrounds
TEXT_WHITE = (244, 246, 250)
TEXT_MUTED = (150, 164, 190)


def with_alpha(rgb, alpha):
    """The colour with an alpha of 0..255."""
    return (rgb[0], rgb[1], rgb[2], int(alpha))


def mix(a, b, t):
    """The colour t of the way from a to b (t in 0..1)."""
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(len(a)))


def scale(rgb, f):
    """The colour made brighter (f > 1) or darker (f < 1), clamped."""
    return tuple(max(0, min(255, int(round(c * f)))) for c in rgb)
