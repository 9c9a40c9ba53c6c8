#!/usr/bin/python3
"""Independent reading of the DXF files the program writes: runs the native
tests that keep their plot and table files, then reads those files with
ezdxf and with GDAL's ogrinfo and checks kinds, counts, layers, coordinates
and texts."""
import os
import re
import subprocess
import sys
import tempfile

import ezdxf
from ezdxf.lldxf.encoding import decode_dxf_unicode

KEEPERS = ":".join([
    "PlotTest.FileForTheIndependentReader",
    "TableTest.WorkedGeometryIsInsertedAtThePickedCorner",
    "TableTest.YxOrderWithZColumnForTheReader",
])

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what)


def close(a, b):
    return all(abs(x - y) < 1e-9 for x, y in zip(a, b)) and len(a) == len(b)


def read(path):
    doc = ezdxf.readfile(path, encoding="cp932")
    check(doc.dxfversion == "AC1009", "%s: version %s" % (path, doc.dxfversion))
    return list(doc.modelspace())


def ogr_features(path):
    out = subprocess.run(["ogrinfo", "-ro", "-al", "--config", "DXF_ENCODING", "CP932", path],
                         check=True, capture_output=True, text=True).stdout
    features = []
    for block in out.split("OGRFeature(entities):")[1:]:
        layer = re.search(r"Layer \(String\) = (.*)", block)
        text = re.search(r"Text \(String\) = (.*)", block)
        geom = re.search(r"^\s+((?:POINT|LINESTRING|POLYGON)[^\n]*)", block, re.M)
        features.append({"layer": layer.group(1) if layer else None, "text": text.group(1) if text else None,
                         "geometry": geom.group(1) if geom else ""})
    return features


def check_plot(path):
    rows = [("A-1", 100.5, 200.25, 1.0), ("A-2", 110.0, 210.0, 2.0), ("A-3", 120.0, 205.0, 3.0),
            ("測-1", 300.0, -50.125, -1.0), ("測-2", 310.0, -60.0, 0.0)]
    entities = read(path)
    kinds = [e.dxftype() for e in entities]
    check(kinds == ["POLYLINE"] * 2 + ["POINT"] * 5 + ["CIRCLE"] * 5 + ["TEXT"] * 10, "plot kinds %s" % kinds)
    if len(entities) != 22:
        return
    groups = [rows[:3], rows[3:]]
    for pl, group in zip(entities[:2], groups):
        check(pl.dxf.layer == "SURVA_PLINE", "polyline layer")
        check(pl.is_3d_polyline and pl.is_closed, "polyline flags %d" % pl.dxf.flags)
        vs = [tuple(v.dxf.location) for v in pl.vertices]
        check(len(vs) == len(group) and all(close(v, r[1:]) for v, r in zip(vs, group)), "vertices %s" % vs)
    for e, r in zip(entities[2:7], rows):
        check(e.dxf.layer == "SURVA_POINT" and close(tuple(e.dxf.location), r[1:]), "point %s" % (e.dxf.location,))
    for e, r in zip(entities[7:12], rows):
        check(e.dxf.layer == "SURVA_CIRCLE" and close(tuple(e.dxf.center), r[1:]) and e.dxf.radius == 0.5,
              "circle %s r=%s" % (e.dxf.center, e.dxf.radius))
    for e, r in zip(entities[12:17], rows):
        check(e.dxf.layer == "SURVA_TEXTPT" and e.dxf.text == r[0] and e.dxf.height == 2.5
              and e.dxf.halign == 0 and e.dxf.valign == 0 and close(tuple(e.dxf.insert), r[1:]),
              "name label %r" % e.dxf.text)
    for e, r in zip(entities[17:], rows):
        label = "%.3f,%.3f" % (r[1], r[2])
        check(e.dxf.layer == "SURVA_TEXTXY" and e.dxf.text == label and e.dxf.height == 1.8
              and e.dxf.width == 0.8 and e.dxf.halign == 0 and e.dxf.valign == 3
              and close(tuple(e.dxf.align_point), r[1:]) and close(tuple(e.dxf.insert), r[1:]),
              "coordinate label %r" % e.dxf.text)

    features = ogr_features(path)
    check(len(features) == 22, "ogr feature count %d" % len(features))
    layers = [f["layer"] for f in features]
    check(layers == ["SURVA_PLINE"] * 2 + ["SURVA_POINT"] * 5 + ["SURVA_CIRCLE"] * 5 + ["SURVA_TEXTPT"] * 5
          + ["SURVA_TEXTXY"] * 5, "ogr layers %s" % layers)
    check(features[0]["geometry"] == "LINESTRING Z (100.5 200.25 1,110 210 2,120 205 3,100.5 200.25 1)",
          "ogr polyline %s" % features[0]["geometry"])
    check(features[2]["geometry"] == "POINT Z (100.5 200.25 1)", "ogr point %s" % features[2]["geometry"])
    texts = [f["text"] for f in features[12:]]
    check(texts == [r[0] for r in rows] + ["%.3f,%.3f" % (r[1], r[2]) for r in rows], "ogr texts %s" % texts)


def check_table(path, yx, z):
    entities = read(path)
    lines = [e for e in entities if e.dxftype() == "LINE"]
    texts = [e for e in entities if e.dxftype() == "TEXT"]
    c = 3 if z else 2
    right = 25 + 30 * c
    check(len(entities) == len(lines) + len(texts), "table kinds")
    check(len(lines) == 5 + c + 2, "table line count %d" % len(lines))
    expected_lines = [((0, -5 * i), (right, -5 * i)) for i in range(5)]
    expected_lines += [((x, 0), (x, -20)) for x in [0] + [25 + 30 * k for k in range(c + 1)]]
    got = [(tuple(l.dxf.start)[:2], tuple(l.dxf.end)[:2]) for l in lines]
    check(all(close(a[0], b[0]) and close(a[1], b[1]) for a, b in zip(got, expected_lines)), "table lines %s" % got)
    check(all(l.dxf.layer == "SURVA_TBLLINE" for l in lines), "frame layer")
    headings = ["測点", "X座標", "Y座標", "Z座標"][:c + 1]
    check([t.dxf.text for t in texts[:c + 1]] == headings, "headings %s" % [t.dxf.text for t in texts[:c + 1]])
    check(all(t.dxf.halign == 1 and t.dxf.valign == 2 and t.dxf.width == 1.0 for t in texts[:c + 1]), "heading just")
    rows = [("A-1", "100.123", "200.500", "1.000"), ("B-2", "-2.500", "7.000", None), ("C", "3.000", "4.000", None)]
    expected = []
    for r, (name, x, y, zz) in enumerate(rows, start=1):
        yrow = -5 * r - 2.5
        expected.append((name, 0, 5, yrow))
        values = [y, x, zz] if yx else [x, y, zz]
        for k, v in enumerate(values[:c], start=1):
            if v is not None:
                expected.append((v, 2, 25 + 30 * k - 5, yrow))
    cells = [(decode_dxf_unicode(t.dxf.text), t.dxf.halign, t.dxf.align_point[0], t.dxf.align_point[1])
             for t in texts[c + 1:]]
    check(cells == expected, "table cells %s" % cells)
    check(all(t.dxf.layer == "SURVA_TBLTEXT" and t.dxf.height == 2.5 for t in texts), "text layer and height")
    check(all(t.dxf.width == 0.8 and t.dxf.valign == 2 for t in texts[c + 1:]), "cell width and middle")

    features = ogr_features(path)
    check(len(features) == len(entities), "ogr table count %d" % len(features))
    check(features[0]["geometry"] == "LINESTRING (0 0,%d 0)" % right, "ogr rule %s" % features[0]["geometry"])
    check([f["text"] for f in features if f["text"]] == [t.dxf.text for t in texts], "ogr table texts")


def main():
    test_binary, out_dir = sys.argv[1], sys.argv[2]
    os.makedirs(out_dir, exist_ok=True)
    env = dict(os.environ, SURVA_DXF_OUT=out_dir)
    subprocess.run([test_binary, "--gtest_filter=" + KEEPERS], check=True, env=env, stdout=subprocess.DEVNULL)
    check_plot(os.path.join(out_dir, "plot_all.dxf"))
    check_table(os.path.join(out_dir, "table_xy.dxf"), yx=False, z=False)
    check_table(os.path.join(out_dir, "table_yx_z.dxf"), yx=True, z=True)
    if failures:
        print("%d check(s) failed" % len(failures))
        return 1
    print("ezdxf and ogrinfo agree with the plot and table files")
    return 0


if __name__ == "__main__":
    sys.exit(main())
