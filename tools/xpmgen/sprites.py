# Point strips (balls, cats, stars, skulls), the touch-panel buttons and the
# background tiles. Normal strips: four 16 x 16 frames, one per fade level;
# hilight strips: eight 24 x 24 frames of a ring growing outwards.
import math
import random

from raster import Img, mix, shade
from icons import ball, NAVY, BLUE, GREEN, ORANGE, YELLOW, arrow_head

BALLS = [(230, 50, 50), (50, 100, 230), (40, 175, 70), (255, 140, 20), (150, 70, 210)]
CATS = [(240, 150, 60), (150, 152, 165), (150, 95, 55), (245, 222, 175), (246, 246, 246)]
STARS = [(255, 205, 40), (170, 200, 255), (255, 140, 200), (120, 235, 170), (195, 155, 255)]
BONE = (236, 230, 212)


def strip(frames, size, draw):
    m = Img(size * frames, size)
    for f in range(frames):
        sub = Img(size, size)
        draw(sub, f)
        m.blit(sub, f * size, 0)
    return m


def faded(c, f, toward):
    return mix(c, toward, 0.22 * f)


# ---- balls ----
def ball_normal(c):
    return strip(4, 16, lambda m, f: ball(m, 8, 8, 6.2, faded(c, f, (235, 228, 245)),
                                          faded(NAVY, f, (200, 195, 215))))


def ripple(m, f, color, cx=12, cy=12):
    r = 7.8 + f * 0.52
    m.ring(cx, cy, r, 2.0, color, opacity=1.0 - f * 0.06)


def ball_hilight(c):
    def draw(m, f):
        m.disc(12, 12, 8.5, (255, 240, 150), 0.55)
        ripple(m, f, (255, 215, 40))
        ball(m, 12, 12, 6.8, c)
    return strip(8, 24, draw)


# ---- cats ----
def cat(m, cx, cy, s, fur, outline):
    """A round cat face of radius s with ears, eyes, nose and whiskers."""
    for side in (-1, 1):
        m.poly([(cx + side * 0.95 * s, cy - 0.1 * s), (cx + side * 0.85 * s, cy - 1.25 * s),
                (cx + side * 0.2 * s, cy - 0.75 * s)], outline)
        m.poly([(cx + side * 0.78 * s, cy - 0.3 * s), (cx + side * 0.75 * s, cy - 1.0 * s),
                (cx + side * 0.35 * s, cy - 0.7 * s)], fur)
    m.ellipse(cx, cy + 0.1 * s, s, 0.88 * s, outline)
    m.ellipse(cx, cy + 0.1 * s, s - 1, 0.88 * s - 1, fur)
    if fur[0] > 240 and fur[1] > 240:  # black-and-white cat: a dark patch
        m.ellipse(cx + 0.45 * s, cy - 0.25 * s, 0.42 * s, 0.4 * s, (70, 70, 75))
    eye = (40, 60, 40)
    for side in (-1, 1):
        m.disc(cx + side * 0.38 * s, cy - 0.02 * s, max(0.9, 0.16 * s), eye)
    m.poly([(cx - 0.15 * s, cy + 0.25 * s), (cx + 0.15 * s, cy + 0.25 * s),
            (cx, cy + 0.42 * s)], (235, 110, 140))
    if s > 7:
        for side in (-1, 1):
            m.line(cx + side * 0.3 * s, cy + 0.45 * s, cx + side * 1.05 * s, cy + 0.35 * s,
                   0.7, outline)


def cat_normal(c):
    return strip(4, 16, lambda m, f: cat(m, 8, 9, 6.3, faded(c, f, (250, 232, 238)),
                                         faded((80, 50, 45), f, (225, 200, 205))))


def cat_hilight(c):
    def draw(m, f):
        ripple(m, f, (255, 110, 170), 12, 12.5)
        cat(m, 12, 13, 7.6, c, (80, 50, 45))
    return strip(8, 24, draw)


# ---- stars ----
def star_pts(cx, cy, ro, ri, rot=0.0):
    pts = []
    for k in range(10):
        a = math.pi / 2 + rot + k * math.pi / 5
        r = ro if k % 2 == 0 else ri
        pts.append((cx + r * math.cos(a), cy - r * math.sin(a)))
    return pts


def star(m, cx, cy, ro, c, outline):
    m.poly(star_pts(cx, cy + 0.5, ro, ro * 0.45), outline)
    m.poly(star_pts(cx, cy + 0.5, ro - 1.3, (ro - 1.3) * 0.45), c)
    m.disc(cx - ro * 0.15, cy - ro * 0.05, ro * 0.18, (255, 255, 240), 0.8)


def star_normal(c):
    return strip(4, 16, lambda m, f: star(m, 8, 8, 7.6, faded(c, f, (40, 40, 120)),
                                          faded(shade(c, 0.55), f, (30, 30, 100))))


def star_hilight(c):
    def draw(m, f):
        r = 7.5 + f * 0.55
        for k in range(8):
            a = k * math.pi / 4 + f * 0.2
            m.disc(12 + r * math.cos(a), 12 - r * math.sin(a), 1.3, (255, 250, 200),
                   1 - f * 0.06)
        star(m, 12, 12, 8.2, c, shade(c, 0.55))
    return strip(8, 24, draw)


# ---- skulls (their masks are separate images) ----
def skull(m, cx, cy, s):
    m.disc(cx, cy - 0.15 * s, s, (120, 115, 105))
    m.rrect(cx - 0.6 * s, cy + 0.2 * s, cx + 0.6 * s, cy + 1.05 * s, 0.25 * s, (120, 115, 105))
    m.disc(cx, cy - 0.15 * s, s - 0.9, BONE)
    m.rrect(cx - 0.6 * s + 0.9, cy + 0.2 * s, cx + 0.6 * s - 0.9, cy + 1.05 * s - 0.9,
            0.2 * s, BONE)
    hole = (22, 20, 24)
    for side in (-1, 1):
        m.ellipse(cx + side * 0.4 * s, cy - 0.05 * s, 0.27 * s, 0.3 * s, hole)
    m.poly([(cx, cy + 0.25 * s), (cx - 0.13 * s, cy + 0.5 * s), (cx + 0.13 * s, cy + 0.5 * s)],
           hole)
    for k in (-1, 0, 1):
        m.line(cx + k * 0.25 * s, cy + 0.7 * s, cx + k * 0.25 * s, cy + 1.0 * s, 0.8, hole)


def skeleton_normal():
    return strip(4, 16, lambda m, f: (skull(m, 8, 7, 6.0), _fade_all(m, f)))


def _fade_all(m, f):
    for row in m.px:
        for p in row:
            if p[3] > 0:
                p[0], p[1], p[2] = mix(p[:3], (70, 70, 70), 0.2 * f)


def skeleton_hilight():
    def draw(m, f):
        ripple(m, f, (170, 255, 190))
        skull(m, 12, 11, 7.0)
    return strip(8, 24, draw)


def mask_rows(img, threshold=0.45):
    return [[(255, 255, 255) if p[3] >= threshold else (0, 0, 0) for p in row]
            for row in img.px]


# ---- touch-panel buttons ----
FONT = {  # 5 x 7 capitals, one string per row
    "K": ["X...X", "X..X.", "X.X..", "XX...", "X.X..", "X..X.", "X...X"],
    "E": ["XXXXX", "X....", "X....", "XXXX.", "X....", "X....", "XXXXX"],
    "P": ["XXXX.", "X...X", "X...X", "XXXX.", "X....", "X....", "X...."],
    "O": [".XXX.", "X...X", "X...X", "X...X", "X...X", "X...X", ".XXX."],
    "I": [".XXX.", "..X..", "..X..", "..X..", "..X..", "..X..", ".XXX."],
    "N": ["X...X", "XX..X", "X.X.X", "X..XX", "X...X", "X...X", "X...X"],
    "T": ["XXXXX", "..X..", "..X..", "..X..", "..X..", "..X..", "..X.."],
    "M": ["X...X", "XX.XX", "X.X.X", "X.X.X", "X...X", "X...X", "X...X"],
    "V": ["X...X", "X...X", "X...X", "X...X", ".X.X.", ".X.X.", "..X.."],
}


def text(m, x, y, s, color):
    for ch in s:
        for j, row in enumerate(FONT[ch]):
            for i, c in enumerate(row):
                if c == "X":
                    m.blend(x + i, y + j, color, 1.0)
        x += 6


def panel_button(k, pressed):
    m = Img(64, 32)
    top, bottom = ((200, 225, 255), (150, 190, 245)) if not pressed else \
        ((110, 150, 220), (150, 185, 240))
    m.rrect(0.5, 0.5, 63.5, 31.5, 7, NAVY)
    m.rrect(1.8, 1.8, 62.2, 30.2, 6, lambda x, y: mix(top, bottom, y / 32))
    d = 1 if pressed else 0
    ink = (255, 255, 255) if pressed else NAVY
    cx, cy = 15 + d, 16 + d
    if k == 0:  # keep the selection: two points and a plus
        ball(m, cx - 4, cy + 3, 4.2, ORANGE)
        ball(m, cx + 3, cy - 3, 4.2, ORANGE)
        m.line(cx + 7, cy + 3, cx + 7, cy + 9, 1.8, GREEN)
        m.line(cx + 4, cy + 6, cx + 10, cy + 6, 1.8, GREEN)
        label = "KEEP"
    elif k == 1:  # place a point
        ball(m, cx, cy, 7, ORANGE)
        label = "POINT"
    else:  # move
        for ang in (0, 90, 180, 270):
            a = math.radians(ang)
            c, s = math.cos(a), -math.sin(a)
            m.line(cx + c * 3, cy + s * 3, cx + c * 7, cy + s * 7, 1.8, ink)
            arrow_head(m, cx + c * 10, cy + s * 10, math.atan2(s, c), 4, ink)
        ball(m, cx, cy, 3.4, BLUE)
        label = "MOVE"
    text(m, 60 - 6 * len(label) + d, 13 + d, label, ink)
    return m


def panel_strip():
    m = Img(384, 32)
    for i in range(6):
        m.blit(panel_button(i % 3, i >= 3), 64 * i, 0)
    return m


# ---- background tiles (256 x 192, seamless) ----
W, H = 256, 192


def paper(base, minor, major, step_minor=16, step_major=32):
    m = Img(W, H, base)
    lo, hi = shade(base, 1 - minor), shade(base, 1 - major)
    for y in range(H):
        for x in range(W):
            if x % step_major == 0 or y % step_major == 0:
                m.px[y][x][:3] = hi
            elif x % step_minor == 0 or y % step_minor == 0:
                m.px[y][x][:3] = lo
    return m


def bk_cat():
    base = (255, 187, 206)
    m = Img(W, H, base)
    paw = mix(base, (255, 255, 255), 0.35)
    rng = random.Random(7)
    for gx in range(4):
        for gy in range(3):
            x = gx * 64 + 32 + rng.uniform(-12, 12)
            y = gy * 64 + 32 + rng.uniform(-12, 12)
            a = rng.uniform(-0.6, 0.6)
            c, s = math.cos(a), math.sin(a)

            def at(u, v):
                return x + u * c - v * s, y + u * s + v * c

            m.ellipse(*at(0, 4), 7, 6, paw, wrap=True)
            for u, v in ((-8, -4), (-3, -9), (3, -9), (8, -4)):
                m.disc(*at(u, v), 3, paw, wrap=True)
    return m


def bk_star():
    m = Img(W, H, (0, 0, 96))
    rng = random.Random(3)
    for _ in range(70):
        x, y = rng.uniform(0, W), rng.uniform(0, H)
        c = rng.choice([(255, 255, 255), (255, 240, 180), (190, 210, 255)])
        m.disc(x, y, rng.uniform(0.5, 1.2), c, rng.uniform(0.5, 1), wrap=True)
    for _ in range(8):
        x, y = rng.uniform(0, W), rng.uniform(0, H)
        r = rng.uniform(3, 5)
        m.poly(star_pts(x, y, r, r * 0.3), (255, 240, 170), 0.7, wrap=True)
    return m


def bk_skeleton():
    m = Img(W, H, (0, 0, 0))
    for gx in range(8):
        for gy in range(6):
            x, y = gx * 32 + 16 + (8 if gy % 2 else 0), gy * 32 + 16
            m.line(x - 3, y, x + 3, y, 1, (28, 28, 30), wrap=True)
            m.line(x, y - 3, x, y + 3, 1, (28, 28, 30), wrap=True)
    return m


def bk_tovik():
    base = (177, 178, 198)
    m = Img(W, H, base)
    dot = shade(base, 1.25)
    for y in range(0, H, 16):
        for x in range(0, W, 16):
            m.px[y][x][:3] = dot
            if x % 64 == 0 and y % 64 == 0:
                for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                    m.px[(y + dy) % H][(x + dx) % W][:3] = dot
    return m


def bk_pastel():
    base = (184, 189, 255)
    m = Img(W, H, base)
    rng = random.Random(11)
    for _ in range(22):
        c = rng.choice([(255, 200, 230), (200, 255, 220), (255, 245, 190), (230, 210, 255)])
        m.disc(rng.uniform(0, W), rng.uniform(0, H), rng.uniform(5, 12), c, 0.35, wrap=True)
    return m


BACKGROUNDS = [
    ("bkstandard0", lambda: paper((240, 189, 255), 0.03, 0.07), "lavender squared paper"),
    ("bkstandard1", lambda: paper((187, 240, 240), 0.03, 0.07), "light cyan squared paper"),
    ("bkstandard2", lambda: paper((240, 240, 190), 0.03, 0.07), "cream squared paper"),
    ("bkcat", bk_cat, "pink with pale paw prints"),
    ("bkstar", bk_star, "night blue with stars"),
    ("bkskeleton", bk_skeleton, "black with faint crosses"),
    ("bktovik", bk_tovik, "blue-grey with a dotted grid"),
    ("bkquil", lambda: paper((239, 239, 239), 0.03, 0.07, 16, 64), "light grey graph paper"),
    ("bkpastel", bk_pastel, "periwinkle with soft pastel dots"),
]
