#!/usr/bin/env python3
"""Writes TemplateData.cpp: the corner patches of the three templates of
style 14, a glossy pill-shaped button in grey (normal), light blue (hot) and
darker blue (down).

Each patch is a set of rows with a pixel range each, drawn top row first and
left to right. Its colours come from a rounded outline of radius 10.5 around
a centre 11 pixels in from the corner: near-white just outside it, the dark
outline on it, the colour of the adjoining edge line just inside it. The rows
that describe the ends exactly are kept as given. Run it from this folder:

    python3 make_templates.py > ../TemplateData.cpp
"""
import math

def rgb(h):
    return ((h >> 16) & 0xFF, (h >> 8) & 0xFF, h & 0xFF)

def hexc(c):
    return "#%02X%02X%02X" % c

def mix(a, b, t):
    t = max(0.0, min(1.0, t))
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))

T = {
    "Normal": dict(
        fill=0xE8E7EA, dark=0x5E5E5E, bottom_rows=11,
        left=[0xF7F7F7, 0xA0A0A0, 0x999999, 0xC3C3C3, 0xC9C9C9, 0xD5D5D5, 0xD7D7D7, 0xDFDFDF, 0xE0E0E0, 0xE0E0E0, 0xE4E4E4, 0xE6E8E6, 0xE7E7E8, 0xE8E7EA, 0xE8E7EA, 0xE8E7EA, 0xE8E7EA, 0xE8E7EA],
        right=[0xE8E7EA, 0xE8E7EA, 0xE8E7EA, 0xE8E7EA, 0xE7E7E7, 0xE6E6E6, 0xE4E4E4, 0xE0E0E0, 0xE0E0E0, 0xDEDEDE, 0xD9D9D9, 0xD3D3D3, 0xCCCCCC, 0xC3C3C3, 0xA3A3A3, 0x9C9C9C, 0xF6F6F6],
        top=[0x6A6967, 0xF6F4F5, 0xF4F2F3, 0xEEEEEE, 0xEBEBEB, 0xEAE8EB, 0xEAE8EB, 0xEAEAEA, 0xE1E1E1, 0xE3E2E5, 0xE8E7EA, 0xE9EBE8],
        bottom=[0xE9EBE8, 0xEFF1EE, 0xF2F2F2, 0xF5F5F5, 0xFEFEFF, 0xFFFFFF, 0xFDFDFD, 0xFEFEFE, 0xFBFBFB, 0x545454, 0xC5C5C5, 0xECECEC],
        # Rows as (first, last) local columns; left patches count columns
        # from x = 0, right ones from x = W - 17 (column 17 is x = W).
        tl=[(6, 17), (5, 17), (3, 17), (2, 17), (2, 17), (1, 17), (1, 17), (1, 17), (1, 17), (0, 17), (0, 17), (0, 17), (0, 17)],
        bl=[(0, 17), (0, 17), (0, 17), (1, 17), (1, 17), (2, 17), (2, 17), (5, 17), (7, 17), (8, 17), (0, 17)],
        tr=[(0, 11), (0, 12), (0, 14)] + [(1, 17)] * 10,
        br=[(0, 16), (0, 16), (0, 16), (0, 15), (0, 15), (0, 15), (0, 14), (0, 13), (0, 10), (0, 9), (0, 5)],
        exact={(0, 0): "6:FEFEFE 7:E6E6E6 8:ACACAC 9:7A7A7A 10:6C6C6C 11:6B6B6B 12:6F6F6F 13:6F6F71 14:707072 15:666867 16:6B6D6C 17:6A6967",
               (0, 1): "5:EFEFEF 6:939393 7:676767 8:797979 9:B3B3B3 10:DBDBDB 11:EEEDEB 12:F6F4F5 13:F6F4F5 14:F6F4F5 15:F6F4F5 16:F6F4F5 17:F6F4F5",
               (0, 2): "3:FEFEFE 4:E5E5E5 5:737373 6:656565 7:939393 8:DCDCDC 9:E9E9E9 10:F3F1F2 11:F4F2F3 12:F3F1F2 13:F4F2F3 14:F3F1F2 15:F4F2F3 16:F3F1F2 17:F4F2F3"}),
    "Hot": dict(
        fill=0x6AA6E2, dark=0x0A1450, bottom_rows=13,
        left=[0xF7F7F7, 0x9EA0B0, 0x132E71, 0x145FBD, 0x2773D1, 0x317FD4, 0x3D8CD9, 0x4B94D9, 0x4F94D7, 0x559CDC, 0x579BDC, 0x62A3E3, 0x65A2E3, 0x67A3E2, 0x65A1E0, 0x6AA6E3, 0x6AA6E3, 0x6AA6E2],
        right=[0x6AA6E2, 0x6AA6E2, 0x64A4E1, 0x63A3E0, 0x63A3E0, 0x61A1E1, 0x5B9FE0, 0x5598DE, 0x5297DC, 0x4B93DB, 0x398DD6, 0x2D7FD1, 0x2674D6, 0x135DC0, 0x14357C, 0x989BAB, 0xF6F6F6],
        top=[0x080645, 0xC9D4F1, 0xBDC8E5, 0xA1C0E8, 0x98B8E0, 0x8EB4E3, 0x8BB1E0, 0x7FB4E9, 0x6399CE, 0x64A0DD, 0x6AA6E2, 0x76ACE6],
        bottom=[0x76ACE6, 0x81B6F1, 0x8ABDF3, 0x92C5FC, 0x97CEF8, 0x9ED5FE, 0xA3DDF7, 0xADE6FF, 0xC5E2E9, 0x405D63, 0xC5C5C5, 0xECECEC],
        tl=[(6, 17), (5, 17), (4, 17), (3, 17), (2, 17), (1, 17), (1, 17), (0, 17), (0, 17), (0, 17), (0, 17)],
        bl=[(0, 17)] * 6 + [(1, 17), (1, 17), (2, 17), (3, 17), (5, 17), (9, 17), (0, 17)],
        tr=[(0, 11), (0, 12), (0, 13), (2, 17)] + [(1, 17)] * 7,
        br=[(0, 16)] * 6 + [(0, 15), (0, 15), (0, 15), (0, 14), (0, 12), (0, 12), (0, 5)],
        exact={(0, 0): "6:FEFEFE 7:E5E5E6 8:A5A5A9 9:5E5E6C 10:292748 11:0C0D37 12:060737 13:050636 14:06063A 15:070841 16:070745 17:080645"}),
    "Down": dict(
        fill=0x6A9BCC, dark=0x0C1444, bottom_rows=13,
        left=[0xF7F7F7, 0x9B9DA9, 0x172D63, 0x1D5AA6, 0x2E6CB9, 0x3877BC, 0x4282C1, 0x4E89C2, 0x528AC1, 0x5791C5, 0x5991C5, 0x6398CC, 0x6596CC, 0x6797CB, 0x6595C9, 0x6A9ACC, 0x6A9ACC, 0x6A9BCC],
        right=[0x6A9BCC, 0x6A9BCC, 0x6498CA, 0x6397C9, 0x6397C9, 0x6295CA, 0x5D94C9, 0x578EC6, 0x558CC4, 0x4E88C3, 0x3E82BE, 0x3476B9, 0x2D6DBD, 0x1C58A8, 0x19336D, 0x9497A4, 0xF6F6F6],
        top=[0x0A093C, 0xBEC7DE, 0xB2BCD3, 0x9AB3D4, 0x92ACCC, 0x8AA8CF, 0x87A5CC, 0x7DA7D2, 0x628EB9, 0x6494C6, 0x6A9BCC, 0x75A1D0],
        bottom=[0x75A1D0, 0x7FAADA, 0x87B0DC, 0x8EB8E4, 0x93BFE1, 0x99C6E7, 0x9DCCE2, 0xA6D5E9, 0xBAD2D7, 0x3E565A, 0xC5C5C5, 0xECECEC],
        tl=[(6, 17), (5, 17), (4, 17), (3, 17), (2, 17), (1, 17), (1, 17), (0, 17), (0, 17), (0, 17), (0, 17)],
        bl=[(0, 17)] * 6 + [(1, 17), (1, 17), (2, 17), (3, 17), (5, 17), (9, 17), (0, 17)],
        tr=[(0, 11), (0, 12), (0, 13), (2, 17)] + [(1, 17)] * 7,
        br=[(0, 16)] * 6 + [(0, 15), (0, 15), (0, 15), (0, 14), (0, 12), (0, 12), (0, 5)],
        exact={(0, 0): "6:FEFEFE 7:E4E4E5 8:A2A2A5 9:5C5C67 10:292742 11:0D0E30 12:090A30 13:08092F 14:090933 15:0A0A39 16:0A0A3C 17:0A093C"}),
}

WHITE = (0xFE, 0xFE, 0xFE)

def colour(t, u, v, edge_u, edge_v):
    """A pixel u columns in from the button's side and v rows in from its
    top or bottom; edge_u / edge_v are the colours of the adjoining lines."""
    cx = cy = 11.0
    r = 10.5
    pu, pv = u + 0.5, v + 0.5
    if pu < cx and pv < cy:
        s = r - math.hypot(pu - cx, pv - cy)
    else:
        s = min(pu, pv) - 0.5 if pu >= cx and pv >= cy else (pv - 0.5 if pu >= cx else pu - 0.5)
    dark = rgb(t["dark"])
    inner = edge_v if v < u else edge_u
    if s < -0.5:
        return WHITE
    if s < 0.5:
        return mix(WHITE, dark, s + 0.5)
    return mix(dark, inner, s - 0.5)

def patch(t, name, rows):
    left = name in ("tl", "bl")
    top = name in ("tl", "tr")
    n_rows = len(rows)
    out = []
    for r, (first, last) in enumerate(rows):
        for c in range(first, last + 1):
            u = c if left else 16 - c          # columns in from the side (-1 is x = W)
            v = r if top else (n_rows - 2) - r  # rows in from the top or bottom (-1 is y = H)
            lines_v = t["top"] if top else list(reversed(t["bottom"]))
            lines_u = t["left"] if left else list(reversed(t["right"]))
            # The bottom lines run from y = H - 11, one row beyond v = 10.
            iv = v if top else v + 1
            edge_v = rgb(lines_v[max(0, min(iv, len(lines_v) - 1))])
            edge_u = rgb(lines_u[max(0, min(u, len(lines_u) - 1))])
            out.append((c, r, colour(t, max(u, -1), max(v, -1), edge_u, edge_v)))
    if name == "tl":
        for (_, row), text in t["exact"].items():
            given = {int(k): tuple(int(x[i:i + 2], 16) for i in (0, 2, 4))
                     for k, x in (p.split(":") for p in text.split())}
            out = [(c, r, given.get(c, col) if r == row else col) for (c, r, col) in out]
    return out

def emit():
    print("// Generated by stylebutton/templates/make_templates.py; do not edit.")
    print("// clang-format off")
    print('#include "TemplateData.h"\n')
    print("namespace TemplateData {\n")
    names = {"tl": "TopLeft", "bl": "BottomLeft", "tr": "TopRight", "br": "BottomRight"}
    for tname, t in T.items():
        for key in ("tl", "bl", "tr", "br"):
            pix = patch(t, key, t[key])
            print("static const PatchPixel k%s%s[] = {" % (tname, names[key]))
            line = "   "
            for (c, r, col) in pix:
                item = " {%d, %d, 0x%02X%02X%02X}," % (c, r, col[2], col[1], col[0])
                if len(line) + len(item) > 96:
                    print(line)
                    line = "   "
                line += item
            print(line)
            print("};")
        def arr(name, vals):
            print("static const std::uint32_t k%s%s[] = {%s};" % (
                tname, name, ", ".join("0x%06X" % (((v & 0xFF) << 16) | (v & 0xFF00) | (v >> 16)) for v in vals)))
        arr("Left", t["left"])
        arr("Right", t["right"])
        arr("Top", t["top"])
        arr("Bottom", t["bottom"])
        f = t["fill"]
        print("const Template k%s = {0x%06X, %d," % (tname, ((f & 0xFF) << 16) | (f & 0xFF00) | (f >> 16), t["bottom_rows"]))
        print("    {k%sTopLeft, std::size(k%sTopLeft)}, {k%sBottomLeft, std::size(k%sBottomLeft)}," % ((tname,) * 4))
        print("    {k%sTopRight, std::size(k%sTopRight)}, {k%sBottomRight, std::size(k%sBottomRight)}," % ((tname,) * 4))
        print("    k%sLeft, k%sRight, k%sTop, k%sBottom};\n" % ((tname,) * 4))
    print("} // namespace TemplateData")
    print("// clang-format on")

if __name__ == "__main__":
    emit()
