#!/usr/bin/python3
"""The peer of plot_bench: ezdxf writes the same entities for the same
points (grouped polylines, POINT, CIRCLE, station name, coordinate label)
as an R12 file in cp932 and prints the seconds it took."""
import sys
import time

import ezdxf


def points(n):
    # Same list as plot_bench: groups of ten names, deterministic coordinates.
    for i in range(n):
        x = 10000.0 + (i * 7919 % 100003) * 0.137
        y = -5000.0 + (i * 104729 % 100019) * 0.071
        z = (i % 97) * 0.25
        yield "P%d-%d" % (i // 10, i % 10 + 1), x, y, z


def main():
    n = int(sys.argv[1])
    path = sys.argv[2]
    data = list(points(n))
    start = time.perf_counter()
    doc = ezdxf.new("R12")
    msp = doc.modelspace()
    group = []
    prefix = None
    for name, x, y, z in data:
        p = name.split("-")[0]
        if prefix is not None and p != prefix:
            msp.add_polyline3d(group, close=True, dxfattribs={"layer": "SURVA_PLINE"})
            group = []
        prefix = p
        group.append((x, y, z))
    if group:
        msp.add_polyline3d(group, close=True, dxfattribs={"layer": "SURVA_PLINE"})
    for name, x, y, z in data:
        msp.add_point((x, y, z), dxfattribs={"layer": "SURVA_POINT"})
    for name, x, y, z in data:
        msp.add_circle((x, y, z), 0.5, dxfattribs={"layer": "SURVA_CIRCLE"})
    for name, x, y, z in data:
        msp.add_text(name, dxfattribs={"layer": "SURVA_TEXTPT", "height": 2.5, "insert": (x, y, z)})
    for name, x, y, z in data:
        msp.add_text("%.3f,%.3f" % (x, y),
                     dxfattribs={"layer": "SURVA_TEXTXY", "height": 1.8, "width": 0.8, "halign": 0, "valign": 3,
                                 "insert": (x, y, z), "align_point": (x, y, z)})
    doc.saveas(path, encoding="cp932")
    print("%.6f" % (time.perf_counter() - start))


if __name__ == "__main__":
    main()
