#!/usr/bin/python3
"""After the tour's plot: the stand-in CAD's entities (as it lists them,
plot-entities.txt) equal what ezdxf reads from the exchange DXF file of that
plot (plot.dxf): kinds, layers, coordinates, texts and sizes, in order.

    stand_in_matches_ezdxf.py build/tour
"""
import math
import re
import sys

import ezdxf

NUMBER = r"-?[0-9.e+-]+"
POINT = r"\((%s),(%s),(%s)\)" % (NUMBER, NUMBER, NUMBER)


def points(text):
    return [tuple(float(v) for v in m) for m in re.findall(POINT, text)]


def stand_in(path):
    """One (kind, layer, geometry) per listed entity."""
    out = []
    for line in open(path, encoding="utf-8").read().splitlines():
        kind, _handle, layer, rest = re.match(r"(\S+) (\S+) layer=(\S+) ?(.*)", line).groups()
        text = re.search(r'"(.*)"', rest)
        rest_without_text = re.sub(r'"(.*)"', "", rest)
        numbers = dict(re.findall(r"\b(r|h|w)=(%s)" % NUMBER, rest_without_text))
        pts = points(rest_without_text)
        if " just=" in rest_without_text:
            pts = pts[-1:]  # the CAD places a justified text by its alignment point
        out.append((kind, layer, {
            "points": pts,
            "text": text.group(1) if text else None,
            "closed": " closed" in " " + rest_without_text,
            **{k: float(v) for k, v in numbers.items()},
        }))
    return out


def from_ezdxf(path):
    out = []
    for e in ezdxf.readfile(path, encoding="cp932").modelspace():
        kind, layer = e.dxftype(), e.dxf.layer
        if kind == "POLYLINE":
            # A 2D polyline's vertices lie at its elevation, whatever Z the
            # vertex records carry: the CAD draws them there.
            if e.is_3d_polyline:
                kind, pts = "POLYLINE3D", [tuple(v.dxf.location) for v in e.vertices]
            else:
                z = e.dxf.elevation[2]
                pts = [(v.dxf.location[0], v.dxf.location[1], z) for v in e.vertices]
            out.append((kind, layer, {"points": pts, "text": None, "closed": e.is_closed}))
        elif kind == "POINT":
            out.append((kind, layer, {"points": [tuple(e.dxf.location)], "text": None, "closed": False}))
        elif kind == "CIRCLE":
            out.append((kind, layer, {"points": [tuple(e.dxf.center)], "text": None, "closed": False,
                                      "r": e.dxf.radius}))
        elif kind == "TEXT":
            g = {"points": [tuple(e.dxf.insert)], "text": e.dxf.text, "closed": False, "h": e.dxf.height}
            if e.dxf.width != 1:
                g["w"] = e.dxf.width
            if e.dxf.halign or e.dxf.valign:
                g["points"] = [tuple(e.dxf.align_point)]
            out.append((kind, layer, g))
        else:
            out.append((kind, layer, {"unexpected": True}))
    return out


def same(a, b):
    if a.keys() != b.keys():
        return False
    for k in a:
        if k == "points":
            if len(a[k]) != len(b[k]) or any(not math.isclose(x, y, abs_tol=1e-6)
                                             for p, q in zip(a[k], b[k]) for x, y in zip(p, q)):
                return False
        elif isinstance(a[k], float):
            if not math.isclose(a[k], b[k], abs_tol=1e-9):
                return False
        elif a[k] != b[k]:
            return False
    return True


def main(folder):
    mine, theirs = stand_in(folder + "/plot-entities.txt"), from_ezdxf(folder + "/plot.dxf")
    problems = []
    if len(mine) != len(theirs):
        problems.append("%d entities in the stand-in, %d read by ezdxf" % (len(mine), len(theirs)))
    for i, (m, t) in enumerate(zip(mine, theirs)):
        if m[:2] != t[:2] or not same(m[2], t[2]):
            problems.append("entity %d: stand-in %s, ezdxf %s" % (i + 1, m, t))
    for p in problems[:10]:
        print("  " + p)
    kinds = sorted({m[0] for m in mine})
    print("%s the stand-in's %d entities after the plot equal what ezdxf %s reads from plot.dxf (%s)"
          % ("PASS" if not problems else "FAIL", len(mine), ezdxf.__version__, ", ".join(kinds)))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else "build/tour"))
