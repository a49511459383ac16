#!/usr/bin/env python3
# Makes every built-in XPM image of Figuretta into the given folder
# (default: resources/ of the repository). Needs only Python 3.
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from raster import write_xpm, write_png, flatten  # noqa: E402
import icons  # noqa: E402
import sprites as sp  # noqa: E402
from raster import Img  # noqa: E402


def out(folder, name, rows, comment):
    write_xpm(os.path.join(folder, name + ".xpm"), name + "_xpm", rows, comment)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "..", "resources")
    only = set(sys.argv[2:])
    want = lambda n: not only or n in only
    os.makedirs(folder, exist_ok=True)

    for name, draw, what in icons.TOOLBAR:
        if want(name):
            m = Img(24, 24)
            draw(m)
            out(folder, name, flatten(m, "none"), "toolbar, 24 x 24: " + what)
    if want("appicon"):
        out(folder, "appicon", flatten(icons.app_icon(), "none"),
            "application icon, 48 x 48: triangle, circumcircle and three points")
        # The same icon for the desktop, which wants a PNG.
        write_png(os.path.join(folder, "figuretta.png"), icons.app_icon())
        # And in every size a desktop looks for, and as vector shapes.
        sizes = os.path.join(folder, "icons")
        os.makedirs(sizes, exist_ok=True)
        for n in icons.ICON_SIZES:
            write_png(os.path.join(sizes, "figuretta-%d.png" % n), icons.app_icon(n))
        with open(os.path.join(sizes, "figuretta.svg"), "w") as f:
            f.write(icons.app_icon_svg())
    if want("panel_button"):
        out(folder, "panel_button", flatten(sp.panel_strip(), "key", (0, 0, 0)),
            "touch-panel buttons KEEP, POINT, MOVE: normal, then pressed; 64 x 32 each")

    black, white = (0, 0, 0), (255, 255, 255)
    families = [("ball", sp.BALLS, sp.ball_normal, sp.ball_hilight, black, "ball"),
                ("cat", sp.CATS, sp.cat_normal, sp.cat_hilight, white, "cat face"),
                ("star", sp.STARS, sp.star_normal, sp.star_hilight, black, "star")]
    for fam, colours, normal, hilight, key, what in families:
        for i, c in enumerate(colours):
            n = "%s_r%d" % (fam, i)
            if want(n):
                out(folder, n, flatten(normal(c), "key", key),
                    "point strip, 4 frames of 16 x 16 (fade levels 0-3): " + what)
            n = "%s_h%d" % (fam, i)
            if want(n):
                out(folder, n, flatten(hilight(c), "key", key),
                    "hilight strip, 8 frames of 24 x 24: " + what + " with a growing ring")
    if want("skeleton"):
        m = sp.skeleton_normal()
        out(folder, "skeleton", flatten(m, "key", black),
            "point strip, 4 frames of 16 x 16: skull; see skeleton_mask")
        out(folder, "skeleton_mask", sp.mask_rows(m),
            "mask of skeleton: white drawn, black transparent")
        m = sp.skeleton_hilight()
        out(folder, "skeleton_r", flatten(m, "key", black),
            "hilight strip, 8 frames of 24 x 24: skull with a ghost ring; see skeleton_rmask")
        out(folder, "skeleton_rmask", sp.mask_rows(m),
            "mask of skeleton_r: white drawn, black transparent")

    for name, make, what in sp.BACKGROUNDS:
        if want(name):
            out(folder, name, flatten(make(), "opaque"), "background tile, 256 x 192: " + what)


if __name__ == "__main__":
    main()
