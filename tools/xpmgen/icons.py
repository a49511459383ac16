# The 24 x 24 toolbar pictures and the application icon. One family rule:
# what the tool starts from is blue (lines) and orange (points); what the tool
# makes is green; everything has a dark navy outline.
import math

from raster import Img, mix, shade

NAVY = (38, 48, 79)
BLUE = (52, 96, 200)
ORANGE = (255, 132, 30)
GREEN = (34, 170, 80)
RED = (225, 55, 55)
YELLOW = (255, 208, 60)
WHITE = (252, 252, 250)
GREY = (170, 176, 190)
PAPER = (255, 250, 228)


def ball(img, cx, cy, r, base, outline=NAVY):
    """A glossy ball: outline, a radial shade lit from the upper left, a shine."""
    img.disc(cx, cy, r, outline)
    hx, hy = cx - r * 0.35, cy - r * 0.4

    def col(x, y):
        t = min(1.0, math.hypot(x - hx, y - hy) / (r * 1.3))
        return mix(shade(base, 1.45), shade(base, 0.8), t)

    img.disc(cx, cy, r - 1.0, col)
    img.disc(hx + 0.2, hy + 0.2, max(0.7, r * 0.22), (255, 255, 255), 0.85)


def pt(img, x, y, base=ORANGE, r=3.2):
    ball(img, x, y, r, base)


def stroke(img, x1, y1, x2, y2, color, w=2.0):
    img.line(x1, y1, x2, y2, w, color)


def arrow_head(img, x, y, ang, size, color):
    """Filled triangle with its tip at (x, y) pointing along ang (radians, screen)."""
    c, s = math.cos(ang), math.sin(ang)
    bx, by = x - c * size, y - s * size
    px, py = -s * size * 0.6, c * size * 0.6
    img.poly([(x, y), (bx + px, by + py), (bx - px, by - py)], color)


def on_line(x1, y1, x2, y2, t):
    return x1 + (x2 - x1) * t, y1 + (y2 - y1) * t


def i_filenew(m):
    m.poly([(4, 1.5), (14, 1.5), (19.5, 7), (19.5, 22.5), (4, 22.5)], NAVY)
    m.poly([(5, 2.5), (13.5, 2.5), (18.5, 7.5), (18.5, 21.5), (5, 21.5)], WHITE)
    m.poly([(13.5, 2.5), (13.5, 7.5), (18.5, 7.5)], (205, 212, 228))
    for y in (11, 14, 17):
        stroke(m, 7.5, y, 13, y, (190, 198, 215), 1.2)
    m.disc(17.5, 17.5, 5.6, NAVY)
    m.disc(17.5, 17.5, 4.6, GREEN)
    stroke(m, 17.5, 14.8, 17.5, 20.2, WHITE, 1.8)
    stroke(m, 14.8, 17.5, 20.2, 17.5, WHITE, 1.8)


def i_fileopen(m):
    m.poly([(1.5, 5), (8, 5), (10, 7.5), (20.5, 7.5), (20.5, 20.5), (1.5, 20.5)], NAVY)
    m.poly([(2.5, 6), (7.5, 6), (9.5, 8.5), (19.5, 8.5), (19.5, 19.5), (2.5, 19.5)],
           (222, 160, 40))
    m.poly([(5, 11), (23, 11), (20.5, 20.5), (1.5, 20.5)], NAVY)
    m.poly([(5.8, 12), (21.7, 12), (19.7, 19.5), (2.9, 19.5)], YELLOW)


def i_filesave(m):
    m.framed_rrect(2.5, 2.5, 21.5, 21.5, 2.5, BLUE, NAVY)
    m.framed_rrect(6.5, 2.5, 17.5, 10, 0.8, WHITE, NAVY)
    m.rrect(13.5, 4, 15.5, 8.5, 0.5, NAVY)
    m.framed_rrect(5.5, 13.5, 18.5, 21.5, 1, (215, 222, 235), NAVY)
    for y in (16, 18.5):
        stroke(m, 8, y, 16, y, GREY, 1.1)


def i_fileprint(m):
    m.framed_rrect(6.5, 2, 17.5, 10, 0.5, WHITE, NAVY)
    m.framed_rrect(2, 8.5, 22, 17.5, 2.5, (150, 160, 185), NAVY)
    m.disc(18.5, 11.5, 1.2, GREEN)
    m.framed_rrect(6.5, 14, 17.5, 22.5, 0.5, WHITE, NAVY)
    for y in (17, 19.5):
        stroke(m, 8.5, y, 15.5, y, BLUE, 1.1)


def i_modemove(m):
    for ang in (0, 90, 180, 270):
        a = math.radians(ang)
        c, s = math.cos(a), -math.sin(a)
        stroke(m, 12 + c * 4, 12 + s * 4, 12 + c * 8.5, 12 + s * 8.5, NAVY, 2.2)
        arrow_head(m, 12 + c * 11.5, 12 + s * 11.5, math.atan2(s, c), 5, NAVY)
    pt(m, 12, 12, ORANGE, 4.2)


def i_modespoint(m):
    ball(m, 10.5, 13.5, 7, ORANGE)
    m.disc(18.5, 5.5, 4.6, NAVY)
    m.disc(18.5, 5.5, 3.7, GREEN)
    stroke(m, 18.5, 3.3, 18.5, 7.7, WHITE, 1.6)
    stroke(m, 16.3, 5.5, 20.7, 5.5, WHITE, 1.6)


def i_modemline(m):
    stroke(m, 1, 20, 23, 4, GREEN, 2.2)
    pt(m, *on_line(1, 20, 23, 4, 0.22))
    pt(m, *on_line(1, 20, 23, 4, 0.76))


def i_modepara(m):
    stroke(m, 1, 21, 23, 14, BLUE, 2.2)
    stroke(m, 1, 10, 23, 3, GREEN, 2.2)
    pt(m, *on_line(1, 10, 23, 3, 0.5))


def i_modeperp(m):
    stroke(m, 1, 18.5, 23, 18.5, BLUE, 2.2)
    stroke(m, 11, 2, 11, 18.5, GREEN, 2.2)
    m.line(11, 14, 15, 14, 1.2, NAVY)
    m.line(15, 14, 15, 18.5, 1.2, NAVY)
    pt(m, 11, 6.5)


def i_modemid(m):
    stroke(m, 3, 19, 21, 5, BLUE, 2.2)
    for t in (0.27, 0.73):
        x, y = on_line(3, 19, 21, 5, t)
        m.line(x - 1.5, y - 2, x + 1.5, y + 2, 1.3, NAVY)
    pt(m, 3.5, 18.6)
    pt(m, 20.5, 5.4)
    pt(m, 12, 12, GREEN, 3.6)


def i_modemcircle(m):
    m.ring(12, 12, 9, 2.2, GREEN)
    pt(m, 12, 12, ORANGE, 2.8)
    a = math.radians(40)
    pt(m, 12 + 9 * math.cos(a), 12 - 9 * math.sin(a))


def i_modebisector(m):
    vx, vy = 2.5, 20.5
    a1, a2 = 0.0, math.radians(62)
    for a in (a1, a2):
        stroke(m, vx, vy, vx + 21 * math.cos(a), vy - 21 * math.sin(a), BLUE, 2.2)
    b = (a1 + a2) / 2
    stroke(m, vx, vy, vx + 21 * math.cos(b), vy - 21 * math.sin(b), GREEN, 2.2)
    m.ring(vx, vy, 8, 1.2, NAVY, 0, 29)
    m.ring(vx, vy, 9.5, 1.2, NAVY, 33, 62)
    pt(m, vx + 0.5, vy - 0.5, ORANGE, 2.6)


def i_modeselect(m):
    m.disc(16.5, 16.5, 6.8, YELLOW, 0.8)
    pt(m, 16.5, 16.5, ORANGE, 3.6)
    arrow = [(3, 2), (3, 17), (6.8, 13.4), (9.5, 19.5), (12, 18.4), (9.4, 12.5), (14.5, 12.5)]
    m.polyline(arrow + arrow[:1], 2.0, NAVY)
    m.poly(arrow, WHITE)


def i_modemeet(m):
    stroke(m, 1, 6, 23, 18, BLUE, 2.2)
    stroke(m, 1, 19, 23, 5, BLUE, 2.2)
    # crossing of y = 6 + 12/22 (x - 1) and y = 19 - 14/22 (x - 1)
    x = 1 + 13 * 22 / 26
    pt(m, x, 6 + 12 / 22 * (x - 1), GREEN, 3.8)


def i_modegraph(m):
    stroke(m, 2, 14, 22, 14, NAVY, 1.3)
    stroke(m, 6, 22, 6, 2, NAVY, 1.3)
    arrow_head(m, 23, 14, 0, 3.5, NAVY)
    arrow_head(m, 6, 1, -math.pi / 2, 3.5, NAVY)
    pts = [(x / 2, 14 - 7 * math.sin((x / 2 - 3) / 2.6)) for x in range(4, 44)]
    m.polyline(pts, 2.2, RED)


def i_modeclipping(m):
    stroke(m, 1, 20, 23, 4, (150, 170, 220), 1.4)
    x1, y1 = on_line(1, 20, 23, 4, 0.22)
    x2, y2 = on_line(1, 20, 23, 4, 0.78)
    stroke(m, x1, y1, x2, y2, GREEN, 3.2)
    pt(m, x1, y1)
    pt(m, x2, y2)


def i_modeinvisible(m):
    def eye(x, y, grow):
        return abs(y - 12) <= (7 + grow) * (1 - ((x - 12) / (10.5 + grow)) ** 2) \
            and abs(x - 12) <= 10.5 + grow

    m.paint(lambda x, y: eye(x, y, 1.0), (0, 3, 24, 21), NAVY)
    m.paint(lambda x, y: eye(x, y, 0.0), (0, 3, 24, 21), WHITE)
    m.disc(12, 12, 4.2, BLUE)
    m.disc(12, 12, 2, NAVY)
    m.disc(10.8, 10.8, 0.9, WHITE)
    stroke(m, 4, 21, 20, 3, WHITE, 4)
    stroke(m, 4, 21, 20, 3, RED, 2.4)


def i_modeaxis(m):
    stroke(m, 1.5, 15, 20, 15, NAVY, 1.8)
    stroke(m, 8, 22.5, 8, 4, NAVY, 1.8)
    arrow_head(m, 23, 15, 0, 4.5, NAVY)
    arrow_head(m, 8, 1, -math.pi / 2, 4.5, NAVY)
    for x in (12, 16):
        stroke(m, x, 13.3, x, 16.7, BLUE, 1.3)
    for y in (11, 7):
        stroke(m, 6.3, y, 9.7, y, BLUE, 1.3)


def i_modetangent(m):
    cx, cy, r = 10, 14, 7.5
    m.ring(cx, cy, r, 2.2, BLUE)
    a = math.radians(50)
    tx, ty = cx + r * math.cos(a), cy - r * math.sin(a)
    dx, dy = math.sin(a), math.cos(a)  # along the tangent, on screen
    stroke(m, tx - 12 * dx, ty - 12 * dy, tx + 12 * dx, ty + 12 * dy, GREEN, 2.2)
    pt(m, tx, ty)


def i_modetext(m):
    m.framed_rrect(2, 2, 22, 22, 3, PAPER, NAVY)
    m.poly([(16, 22), (22, 16), (22, 22)], (235, 215, 150))
    stroke(m, 6.5, 18.5, 12, 5, NAVY, 2.6)
    stroke(m, 12, 5, 17.5, 18.5, NAVY, 2.6)
    stroke(m, 8.7, 13.5, 15.3, 13.5, NAVY, 2.2)


def i_modecompass(m):
    m.ring(12, 8, 13.5, 1.6, GREEN, 240, 300)
    stroke(m, 12, 4, 5.5, 20, NAVY, 2.6)
    stroke(m, 12, 4, 18.5, 20, NAVY, 2.6)
    stroke(m, 12, 4, 5.5, 20, (200, 205, 220), 1.2)
    stroke(m, 17, 16.3, 18.5, 20, ORANGE, 2.4)
    stroke(m, 12, 1, 12, 4, NAVY, 1.8)
    ball(m, 12, 4.5, 2.6, RED)


def _turn_arrow(m, mirror):
    def X(x):
        return 24 - x if mirror else x

    cx, cy, r = 12.5, 14, 7
    a0, a1 = (0, 210) if mirror else (330, 180)
    m.ring(X(cx), cy, r, 4.2, NAVY, a0, a1)
    m.ring(X(cx), cy, r, 2.4, BLUE, a0, a1)
    # arrow head at the left (undo) or right (redo) end, pointing down
    ex = X(cx - r)
    arrow_head(m, ex, cy + 6, math.pi / 2, 7.5, NAVY)
    arrow_head(m, ex, cy + 4.6, math.pi / 2, 5.2, BLUE)


def i_modeundo(m):
    _turn_arrow(m, False)


def i_moderedo(m):
    _turn_arrow(m, True)


def i_modeorbit(m):
    for k in range(14):
        a = 2 * math.pi * k / 14
        m.disc(12 + 9.5 * math.cos(a), 13 + 6.5 * math.sin(a), 1.1, GREEN)
    a = math.radians(-60)
    x, y = 12 + 9.5 * math.cos(a), 13 + 6.5 * math.sin(a)
    for k, t in enumerate((0.5, 0.35, 0.2)):
        b = a - (k + 1) * 0.28
        m.disc(12 + 9.5 * math.cos(b), 13 + 6.5 * math.sin(b), 2.6 - k * 0.4, ORANGE, t)
    pt(m, x, y, ORANGE, 3.4)


def i_modecircleby3(m):
    m.ring(12, 12, 9, 2.2, GREEN)
    for ang in (105, 215, 335):
        a = math.radians(ang)
        pt(m, 12 + 9 * math.cos(a), 12 - 9 * math.sin(a))


def i_modeangle(m):
    vx, vy = 3, 20
    a2 = math.radians(58)
    m.paint(lambda x, y: math.hypot(x - vx, y - vy) <= 9 and
            0 <= math.atan2(vy - y, x - vx) <= a2, (vx, vy - 9, vx + 9, vy), YELLOW)
    m.ring(vx, vy, 9, 1.8, GREEN, 0, 58)
    stroke(m, vx, vy, 23, vy, BLUE, 2.2)
    stroke(m, vx, vy, vx + 20 * math.cos(a2), vy - 20 * math.sin(a2), BLUE, 2.2)
    pt(m, vx, vy, ORANGE, 2.8)


def i_modelinewithangle(m):
    vx, vy = 7, 18
    stroke(m, 1, vy, 23, vy, BLUE, 2.2)
    a = math.radians(50)
    stroke(m, vx - 3 * math.cos(a), vy + 3 * math.sin(a), vx + 19 * math.cos(a),
           vy - 19 * math.sin(a), GREEN, 2.2)
    m.ring(vx, vy, 7.5, 1.5, NAVY, 0, 50)
    m.ring(20, 5, 2.2, 1.2, NAVY)  # a little degree sign
    pt(m, vx, vy, ORANGE, 2.9)


def i_modeeraser(m):
    c, s = math.cos(math.radians(40)), math.sin(math.radians(40))

    def box(u0, u1, grow):
        pts = []
        for u, v in ((u0, -4.5), (u1, -4.5), (u1, 4.5), (u0, 4.5)):
            v = v + (grow if v > 0 else -grow)
            u = u + (grow if u == u1 else -grow)
            pts.append((12 + u * c + v * s, 12 - u * s + v * c))
        return pts

    m.poly(box(-9, 9, 1), NAVY)
    m.poly(box(-9, 0, 0), (250, 140, 170))
    m.poly(box(0, 9, 0), (90, 140, 230))
    stroke(m, 3, 22, 12, 22, GREY, 1.3)


def i_modeimage(m):
    m.framed_rrect(1.5, 3.5, 22.5, 20.5, 1.5, (170, 215, 250), NAVY)
    m.disc(17, 8.5, 2.8, YELLOW)
    m.poly([(2.5, 19.5), (9, 10), (14, 16), (17, 13), (21.5, 19.5)], GREEN)


def i_modebracket(m):
    stroke(m, 3, 19, 21, 19, BLUE, 2.0)
    brace = [(3.5, 15.5), (4.5, 12.5), (7, 11.5), (10, 11.3), (11.3, 9.5), (12, 7.5),
             (12.7, 9.5), (14, 11.3), (17, 11.5), (19.5, 12.5), (20.5, 15.5)]
    m.polyline(brace, 2.0, GREEN)
    pt(m, 3.5, 19)
    pt(m, 20.5, 19)


def _magnifier(m, plus):
    stroke(m, 14.5, 14.5, 21.5, 21.5, NAVY, 4.6)
    stroke(m, 15.5, 15.5, 21, 21, (150, 95, 60), 2.4)
    m.disc(10, 10, 8, NAVY)
    m.disc(10, 10, 6.3, (215, 238, 255))
    m.disc(8, 8, 2, WHITE, 0.8)
    col = GREEN if plus else RED
    stroke(m, 6.5, 10, 13.5, 10, col, 2.4)
    if plus:
        stroke(m, 10, 6.5, 10, 13.5, col, 2.4)


def i_zoomin(m):
    _magnifier(m, True)


def i_zoomout(m):
    _magnifier(m, False)


def i_property(m):
    m.framed_rrect(2, 1.5, 18.5, 22, 2, WHITE, NAVY)
    for y, c in ((6, ORANGE), (11, BLUE), (16, GREEN)):
        m.disc(6, y, 1.9, c)
        stroke(m, 9.5, y, 15, y, GREY, 1.6)
    c, s = math.cos(math.radians(45)), math.sin(math.radians(45))
    # a pencil lying from the lower left up to the right
    x0, y0 = 13, 22
    pts = lambda u0, u1, w: [(x0 + u * c + v * s, y0 - u * s + v * c)
                            for u, v in ((u0, -w), (u1, -w), (u1, w), (u0, w))]
    m.poly(pts(2, 14, 2.6), NAVY)
    m.poly(pts(3, 12, 1.7), YELLOW)
    m.poly(pts(12, 13.6, 1.7), (250, 140, 170))
    m.poly([(x0, y0), (x0 + 3 * c - 1.9 * s, y0 - 3 * s - 1.9 * c),
            (x0 + 3 * c + 1.9 * s, y0 - 3 * s + 1.9 * c)], (235, 200, 150))


# index order of the toolbar bitmap table
TOOLBAR = [
    ("filenew", i_filenew, "white page with a green plus"),
    ("fileopen", i_fileopen, "open yellow folder"),
    ("filesave", i_filesave, "blue floppy disk"),
    ("fileprint", i_fileprint, "printer"),
    ("modemove", i_modemove, "point with four arrows"),
    ("modespoint", i_modespoint, "one point and a plus"),
    ("modemline", i_modemline, "line through two points"),
    ("modepara", i_modepara, "parallel lines"),
    ("modeperp", i_modeperp, "perpendicular with right-angle mark"),
    ("modemid", i_modemid, "segment with its midpoint"),
    ("modemcircle", i_modemcircle, "circle with centre and a point"),
    ("modebisector", i_modebisector, "angle with its bisector"),
    ("modeselect", i_modeselect, "arrow pointer over a point"),
    ("modemeet", i_modemeet, "two lines and their intersection"),
    ("modegraph", i_modegraph, "axes with a wave"),
    ("modeclipping", i_modeclipping, "segment between two points"),
    ("modeinvisible", i_modeinvisible, "eye with a slash"),
    ("modeaxis", i_modeaxis, "x and y axes"),
    ("modetangent", i_modetangent, "circle with a tangent"),
    ("modetext", i_modetext, "letter A on a note"),
    ("modecompass", i_modecompass, "drawing compass"),
    ("modeundo", i_modeundo, "arrow turning back"),
    ("moderedo", i_moderedo, "arrow turning forward"),
    ("modeorbit", i_modeorbit, "point on a dotted trail"),
    ("modecircleby3", i_modecircleby3, "circle through three points"),
    ("modeangle", i_modeangle, "angle with its arc"),
    ("modelinewithangle", i_modelinewithangle, "line at a marked angle"),
    ("modeeraser", i_modeeraser, "eraser"),
    ("modeimage", i_modeimage, "picture with a hill and a sun"),
    ("modebracket", i_modebracket, "bracket over a segment"),
    ("zoomin", i_zoomin, "magnifier with a plus"),
    ("zoomout", i_zoomout, "magnifier with a minus"),
    ("property", i_property, "card with rows and a pencil"),
]


def app_icon(size=48):
    """Triangle, circumcircle and three points on a rounded card; drawn for a
    48-pixel square and scaled to `size`."""
    k = size / 48.0
    m = Img(size, size)
    m.framed_rrect(1.5 * k, 1.5 * k, 46.5 * k, 46.5 * k, 10 * k, PAPER_ICON, NAVY, 2 * k)
    cx, cy, r = 24 * k, 25 * k, 16 * k
    m.ring(cx, cy, r, 2.6 * k, BLUE)
    pts = icon_points(cx, cy, r)
    for i in range(3):
        a, b = pts[i], pts[(i + 1) % 3]
        m.line(a[0], a[1], b[0], b[1], 2.6 * k, GREEN)
    for p, c in zip(pts, ICON_BALLS):
        ball(m, p[0], p[1], 5 * k, c)
    return m


PAPER_ICON = (255, 246, 205)
ICON_BALLS = (RED, ORANGE, (150, 80, 220))
# The hicolor sizes a desktop looks for.
ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)


def icon_points(cx, cy, r):
    pts = []
    for ang in (100, 215, 330):
        a = math.radians(ang)
        pts.append((cx + r * math.cos(a), cy - r * math.sin(a)))
    return pts


def app_icon_svg():
    """The same icon as vector shapes, in the 48-unit square: the balls' shade
    as a radial gradient lit from the upper left, and their shine."""
    def rgb(c):
        return "#%02x%02x%02x" % tuple(int(round(v)) for v in c)
    out = ['<?xml version="1.0" encoding="UTF-8"?>',
           '<svg xmlns="http://www.w3.org/2000/svg" width="48" height="48" viewBox="0 0 48 48">',
           '<defs>']
    for i, c in enumerate(ICON_BALLS):
        out.append('<radialGradient id="b%d" cx="0.325" cy="0.3" r="0.65">'
                   '<stop offset="0" stop-color="%s"/><stop offset="1" stop-color="%s"/>'
                   '</radialGradient>' % (i, rgb(shade(c, 1.45)), rgb(shade(c, 0.8))))
    out.append('</defs>')
    out.append('<rect x="1.5" y="1.5" width="45" height="45" rx="10" fill="%s" stroke="%s" '
               'stroke-width="2"/>' % (rgb(PAPER_ICON), rgb(NAVY)))
    cx, cy, r = 24, 25, 16
    out.append('<circle cx="%g" cy="%g" r="%g" fill="none" stroke="%s" stroke-width="2.6"/>'
               % (cx, cy, r, rgb(BLUE)))
    pts = icon_points(cx, cy, r)
    out.append('<polygon points="%s" fill="none" stroke="%s" stroke-width="2.6" '
               'stroke-linejoin="round"/>'
               % (" ".join("%.3f,%.3f" % p for p in pts), rgb(GREEN)))
    for i, p in enumerate(pts):
        out.append('<circle cx="%.3f" cy="%.3f" r="5" fill="%s"/>' % (p[0], p[1], rgb(NAVY)))
        out.append('<circle cx="%.3f" cy="%.3f" r="4" fill="url(#b%d)"/>' % (p[0], p[1], i))
        out.append('<circle cx="%.3f" cy="%.3f" r="1.1" fill="#ffffff" fill-opacity="0.85"/>'
                   % (p[0] - 1.55, p[1] - 1.8))
    out.append('</svg>')
    return "\n".join(out) + "\n"
