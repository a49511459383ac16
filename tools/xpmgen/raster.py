# A tiny anti-aliased rasteriser and XPM writer for the built-in images.
# Shapes are inside-tests sampled 4 x 4 per pixel; colours are composited
# "over" with straight (not premultiplied) colour and a coverage alpha.
import math

SS = 4  # samples per pixel along each axis


class Img:
    def __init__(self, w, h, bg=None):
        self.w, self.h = w, h
        if bg is None:
            self.px = [[[0.0, 0.0, 0.0, 0.0] for _ in range(w)] for _ in range(h)]
        else:
            self.px = [[[bg[0], bg[1], bg[2], 1.0] for _ in range(w)] for _ in range(h)]

    def blend(self, x, y, rgb, a):
        if a <= 0 or x < 0 or y < 0 or x >= self.w or y >= self.h:
            return
        d = self.px[y][x]
        da = d[3]
        oa = a + da * (1 - a)
        for i in range(3):
            d[i] = (rgb[i] * a + d[i] * da * (1 - a)) / oa
        d[3] = oa

    def paint(self, inside, bbox, color, opacity=1.0, wrap=False):
        """Fills the shape `inside(x, y)` in bbox (x0, y0, x1, y1); color is an
        (r, g, b) tuple or a function (x, y) -> (r, g, b)."""
        offsets = [(0, 0)]
        if wrap:
            offsets = [(i * self.w, j * self.h) for i in (-1, 0, 1) for j in (-1, 0, 1)]
        for ox, oy in offsets:
            x0 = max(0, int(math.floor(bbox[0] + ox)))
            y0 = max(0, int(math.floor(bbox[1] + oy)))
            x1 = min(self.w - 1, int(math.ceil(bbox[2] + ox)))
            y1 = min(self.h - 1, int(math.ceil(bbox[3] + oy)))
            for py in range(y0, y1 + 1):
                for px in range(x0, x1 + 1):
                    n = 0
                    for sy in range(SS):
                        for sx in range(SS):
                            if inside(px + (sx + 0.5) / SS - ox, py + (sy + 0.5) / SS - oy):
                                n += 1
                    if n:
                        c = color(px + 0.5 - ox, py + 0.5 - oy) if callable(color) else color
                        self.blend(px, py, c, opacity * n / (SS * SS))

    # ---- shapes ----
    def disc(self, cx, cy, r, color, opacity=1.0, wrap=False):
        r2 = r * r
        self.paint(lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r2,
                   (cx - r, cy - r, cx + r, cy + r), color, opacity, wrap)

    def ellipse(self, cx, cy, rx, ry, color, opacity=1.0, wrap=False):
        self.paint(lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1,
                   (cx - rx, cy - ry, cx + rx, cy + ry), color, opacity, wrap)

    def ring(self, cx, cy, r, width, color, a0=None, a1=None, opacity=1.0):
        """Circle outline; with a0, a1 (degrees, counter-clockwise on screen,
        0 = right) only that arc."""
        lo, hi = r - width / 2, r + width / 2

        def inside(x, y):
            d = math.hypot(x - cx, y - cy)
            if d < lo or d > hi:
                return False
            if a0 is None:
                return True
            a = math.degrees(math.atan2(cy - y, x - cx)) % 360
            return (a - a0) % 360 <= (a1 - a0) % 360

        self.paint(inside, (cx - hi, cy - hi, cx + hi, cy + hi), color, opacity)

    def line(self, x1, y1, x2, y2, width, color, opacity=1.0, wrap=False):
        dx, dy = x2 - x1, y2 - y1
        ll = dx * dx + dy * dy or 1e-9
        hw = width / 2

        def inside(x, y):
            t = max(0.0, min(1.0, ((x - x1) * dx + (y - y1) * dy) / ll))
            return (x - x1 - t * dx) ** 2 + (y - y1 - t * dy) ** 2 <= hw * hw

        self.paint(inside, (min(x1, x2) - hw, min(y1, y2) - hw, max(x1, x2) + hw,
                            max(y1, y2) + hw), color, opacity, wrap)

    def polyline(self, pts, width, color, opacity=1.0):
        for a, b in zip(pts, pts[1:]):
            self.line(a[0], a[1], b[0], b[1], width, color, opacity)

    def poly(self, pts, color, opacity=1.0, wrap=False):
        def inside(x, y):
            c = False
            j = len(pts) - 1
            for i in range(len(pts)):
                xi, yi = pts[i]
                xj, yj = pts[j]
                if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                    c = not c
                j = i
            return c

        xs = [p[0] for p in pts]
        ys = [p[1] for p in pts]
        self.paint(inside, (min(xs), min(ys), max(xs), max(ys)), color, opacity, wrap)

    def rrect(self, x0, y0, x1, y1, rad, color, opacity=1.0):
        def inside(x, y):
            if x < x0 or x > x1 or y < y0 or y > y1:
                return False
            cx = min(max(x, x0 + rad), x1 - rad)
            cy = min(max(y, y0 + rad), y1 - rad)
            return (x - cx) ** 2 + (y - cy) ** 2 <= rad * rad

        self.paint(inside, (x0, y0, x1, y1), color, opacity)

    def framed_rrect(self, x0, y0, x1, y1, rad, fill, outline, ow=1.0):
        self.rrect(x0, y0, x1, y1, rad, outline)
        self.rrect(x0 + ow, y0 + ow, x1 - ow, y1 - ow, max(0.5, rad - ow), fill)

    def blit(self, src, ox, oy):
        for y in range(src.h):
            for x in range(src.w):
                p = src.px[y][x]
                self.blend(x + ox, y + oy, p, p[3])


def mix(c, d, t):
    return tuple(c[i] + (d[i] - c[i]) * t for i in range(3))


def shade(c, f):
    """f < 1 darkens, f > 1 lightens towards white."""
    if f <= 1:
        return tuple(v * f for v in c)
    return mix(c, (255, 255, 255), f - 1)


# ---- XPM output ----
CHARS = (" .+@#$%&*=-;>,')!~{]^/(_:<[}|1234567890"
         "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ`")


def write_xpm(path, name, rows, comment):
    """rows: list of lists of (r, g, b) tuples or None (transparent)."""
    h, w = len(rows), len(rows[0])
    step = 1
    while True:
        def q(c):
            if c is None:
                return None
            return tuple(min(255, int(round(v / step)) * step) if step > 1 else int(round(v))
                         for v in c)
        qrows = [[q(c) for c in r] for r in rows]
        colours = sorted({c for r in qrows for c in r}, key=lambda c: (c is not None, c))
        if len(colours) <= len(CHARS) or step >= 8:
            break
        step *= 2
    cpp = 1 if len(colours) <= len(CHARS) else 2
    codes = {}
    for i, c in enumerate(colours):
        codes[c] = CHARS[i] if cpp == 1 else CHARS[i // len(CHARS)] + CHARS[i % len(CHARS)]
    out = ["/* XPM */", "/* " + comment + " */",
           "/* made by tools/xpmgen/xpmgen.py; edit the generator, not this file */",
           "static const char* %s[] = {" % name,
           '"%d %d %d %d",' % (w, h, len(colours), cpp)]
    for c in colours:
        col = "None" if c is None else "#%02X%02X%02X" % c
        out.append('"%s c %s",' % (codes[c], col))
    for i, r in enumerate(qrows):
        out.append('"' + "".join(codes[c] for c in r) + '"' + ("," if i < h - 1 else ""))
    out.append("};")
    with open(path, "w") as f:
        f.write("\n".join(out) + "\n")


def flatten(img, mode, key=None, matte=(240, 240, 240), threshold=0.45):
    """Turns an Img into XPM rows.
    mode 'none': transparent pixels become None, edges are blended on `matte`.
    mode 'key': transparent pixels become the key colour; opaque pixels never
    use the key colour (they are nudged off it); edges are cut at threshold."""
    rows = []
    for y in range(img.h):
        row = []
        for x in range(img.w):
            r, g, b, a = img.px[y][x]
            if mode == "opaque":
                row.append((r, g, b))
            elif a < threshold:
                row.append(None if mode == "none" else key)
            elif mode == "none":
                row.append(mix((r, g, b), matte, 1 - a) if a < 0.95 else (r, g, b))
            else:
                c = (r, g, b)
                if all(abs(c[i] - key[i]) < 6 for i in range(3)):
                    c = tuple(v + 10 if k == 0 else v - 10 for v, k in zip(key, key))
                row.append(c)
        rows.append(row)
    return rows


def write_png(path, img):
    """Writes an Img as an 8-bit RGBA PNG, keeping its coverage alpha (the
    desktop lays the icon on any panel colour)."""
    import struct
    import zlib

    def chunk(kind, data):
        c = struct.pack(">I", len(data)) + kind + data
        return c + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    raw = bytearray()
    for y in range(img.h):
        raw.append(0)  # no filter
        for x in range(img.w):
            r, g, b, a = img.px[y][x]
            raw += bytes(max(0, min(255, int(round(v)))) for v in (r, g, b, a * 255))
    head = struct.pack(">IIBBBBB", img.w, img.h, 8, 6, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", head) +
                chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))
