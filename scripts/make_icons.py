#!/usr/bin/env python3
"""Draws the icon sheet, resources/icons.svg.

Every icon is designed in its own 18 x 18 cell (y pointing down) from filled shapes only:
the sheet is read without stroke or fill-rule information, so outlines run clockwise and
holes counter-clockwise (non-zero winding). Each path starts with two moves to its cell's
corners, so an icon keeps its margins when it is scaled to fit a square.
"""
import math
import pathlib

CELL = 18
PITCH = 24
COLUMNS = 8


def fmt(v):
    s = f"{v:.2f}".rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


def pt(p):
    return f"{fmt(p[0])} {fmt(p[1])}"


def area(points):
    return sum(a[0] * b[1] - b[0] * a[1] for a, b in zip(points, points[1:] + points[:1])) / 2


def poly(points, hole=False):
    points = list(points)
    # positive area is clockwise on a y-down screen
    if (area(points) > 0) == hole:
        points.reverse()
    return "M" + " L".join(pt(p) for p in points) + "Z"


def rect(x, y, w, h, hole=False):
    return poly([(x, y), (x + w, y), (x + w, y + h), (x, y + h)], hole)


def rrect(x, y, w, h, r, hole=False):
    r = min(r, w / 2, h / 2)
    if not hole:
        return (f"M{pt((x + r, y))} L{pt((x + w - r, y))} A{fmt(r)} {fmt(r)} 0 0 1 {pt((x + w, y + r))}"
                f" L{pt((x + w, y + h - r))} A{fmt(r)} {fmt(r)} 0 0 1 {pt((x + w - r, y + h))}"
                f" L{pt((x + r, y + h))} A{fmt(r)} {fmt(r)} 0 0 1 {pt((x, y + h - r))}"
                f" L{pt((x, y + r))} A{fmt(r)} {fmt(r)} 0 0 1 {pt((x + r, y))}Z")
    return (f"M{pt((x + r, y))} A{fmt(r)} {fmt(r)} 0 0 0 {pt((x, y + r))} L{pt((x, y + h - r))}"
            f" A{fmt(r)} {fmt(r)} 0 0 0 {pt((x + r, y + h))} L{pt((x + w - r, y + h))}"
            f" A{fmt(r)} {fmt(r)} 0 0 0 {pt((x + w, y + h - r))} L{pt((x + w, y + r))}"
            f" A{fmt(r)} {fmt(r)} 0 0 0 {pt((x + w - r, y))}Z")


def ring_rrect(x, y, w, h, r, t):
    return rrect(x, y, w, h, r) + rrect(x + t, y + t, w - 2 * t, h - 2 * t, max(0.5, r - t), hole=True)


def circle(cx, cy, r, hole=False):
    s = 0 if hole else 1
    return (f"M{pt((cx - r, cy))} A{fmt(r)} {fmt(r)} 0 1 {s} {pt((cx + r, cy))}"
            f" A{fmt(r)} {fmt(r)} 0 1 {s} {pt((cx - r, cy))}Z")


def ellipse(cx, cy, rx, ry, hole=False):
    s = 0 if hole else 1
    return (f"M{pt((cx - rx, cy))} A{fmt(rx)} {fmt(ry)} 0 1 {s} {pt((cx + rx, cy))}"
            f" A{fmt(rx)} {fmt(ry)} 0 1 {s} {pt((cx - rx, cy))}Z")


def polar(cx, cy, r, degrees):
    """Clock angles: 0 at the top, growing clockwise."""
    a = math.radians(degrees)
    return (cx + r * math.sin(a), cy - r * math.cos(a))


def band(cx, cy, r_in, r_out, start, end):
    """A ring sector from start to end (clock degrees), running clockwise."""
    large = 1 if (end - start) % 360 > 180 else 0
    return (f"M{pt(polar(cx, cy, r_out, start))} A{fmt(r_out)} {fmt(r_out)} 0 {large} 1 {pt(polar(cx, cy, r_out, end))}"
            f" L{pt(polar(cx, cy, r_in, end))} A{fmt(r_in)} {fmt(r_in)} 0 {large} 0 {pt(polar(cx, cy, r_in, start))}Z")


def capsule(x1, y1, x2, y2, w):
    """A bar with round ends from one point to another."""
    r = w / 2
    dx, dy = x2 - x1, y2 - y1
    n = math.hypot(dx, dy)
    ox, oy = -dy / n * r, dx / n * r
    return (f"M{pt((x1 + ox, y1 + oy))} L{pt((x2 + ox, y2 + oy))} A{fmt(r)} {fmt(r)} 0 0 0 {pt((x2 - ox, y2 - oy))}"
            f" L{pt((x1 - ox, y1 - oy))} A{fmt(r)} {fmt(r)} 0 0 0 {pt((x1 + ox, y1 + oy))}Z")


def rotate(points, degrees, cx=9, cy=9):
    a = math.radians(degrees)
    c, s = math.cos(a), math.sin(a)
    return [(cx + (x - cx) * c - (y - cy) * s, cy + (x - cx) * s + (y - cy) * c) for x, y in points]


def cross(cx, cy, arm, half, degrees, hole=False):
    pts = [(cx - half, cy - arm), (cx + half, cy - arm), (cx + half, cy - half), (cx + arm, cy - half),
           (cx + arm, cy + half), (cx + half, cy + half), (cx + half, cy + arm), (cx - half, cy + arm),
           (cx - half, cy + half), (cx - arm, cy + half), (cx - arm, cy - half), (cx - half, cy - half)]
    return poly(rotate(pts, degrees, cx, cy), hole)


def star_points(cx, cy, r_out, r_in):
    return [polar(cx, cy, r_out if i % 2 == 0 else r_in, i * 36) for i in range(10)]


def chevron(points, w):
    """A thick polyline as one outline (for V shapes and ticks)."""
    upper, lower = [], []
    for i, p in enumerate(points):
        prev_p = points[max(0, i - 1)]
        next_p = points[min(len(points) - 1, i + 1)]
        dx, dy = next_p[0] - prev_p[0], next_p[1] - prev_p[1]
        n = math.hypot(dx, dy)
        nx, ny = -dy / n, dx / n
        scale = 1.0
        if 0 < i < len(points) - 1:
            ax, ay = p[0] - prev_p[0], p[1] - prev_p[1]
            an = math.hypot(ax, ay)
            scale = 1 / max(0.3, abs((nx * -ay + ny * ax) / an))
        upper.append((p[0] + nx * w / 2 * scale, p[1] + ny * w / 2 * scale))
        lower.append((p[0] - nx * w / 2 * scale, p[1] - ny * w / 2 * scale))
    return upper + lower[::-1]


def page(fold=True):
    outer = [(3, 1), (11, 1), (15, 5), (15, 17), (3, 17)]
    inner = [(4.5, 2.5), (10.4, 2.5), (13.5, 5.6), (13.5, 15.5), (4.5, 15.5)]
    d = poly(outer) + poly(inner, hole=True)
    if fold:
        d += poly([(10.4, 2.5), (10.4, 5.6), (13.5, 5.6)])
    return d


def wave_band(x0, x1, cy, amp, cycles, w, phase=0.0, squeeze=None):
    top, bottom = [], []
    steps = 24
    for i in range(steps + 1):
        t = i / steps
        x = x0 + (x1 - x0) * t
        a = amp if squeeze is None else min(amp, squeeze)
        y = cy - a * math.sin(2 * math.pi * cycles * t + phase)
        top.append((x, y - w / 2))
        bottom.append((x, y + w / 2))
    return poly(top + bottom[::-1])


def icons():
    yield "gear", (circle(9, 9, 5.9)
                   + "".join(poly(rotate([(7.7, 0.9), (10.3, 0.9), (10.6, 4.5), (7.4, 4.5)], k * 45)) for k in range(8))
                   + circle(9, 9, 2.4, hole=True))
    yield "power", band(9, 9.8, 5.4, 7.2, 35, 325) + capsule(9, 1.6, 9, 8.4, 1.9)
    yield "logo", band(9, 9, 5.4, 7.6, 48, 312) + poly([(6.2, 5.6), (13.4, 9), (6.2, 12.4), (7.9, 9)])
    yield "star", poly(star_points(9, 9.7, 8.4, 3.5))
    yield "starFilter", poly(star_points(9, 7.6, 6.6, 2.8)) + rrect(2.5, 14.6, 13, 2.2, 1.1)
    yield "volume", (poly([(1.5, 6.5), (4.8, 6.5), (9.2, 2.6), (9.2, 15.4), (4.8, 11.5), (1.5, 11.5)])
                     + band(9.2, 9, 2.4, 3.9, 50, 130) + band(9.2, 9, 5.2, 6.7, 45, 135))
    yield "play", poly([(4, 2.2), (15.6, 9), (4, 15.8)])
    yield "stop", rrect(3.5, 3.5, 11, 11, 1.5)
    yield "pause", rrect(3.5, 3, 3.8, 12, 1) + rrect(10.7, 3, 3.8, 12, 1)
    yield "checked", ring_rrect(1.5, 1.5, 15, 15, 3.5, 1.6) + poly(chevron([(4.6, 9.2), (7.7, 12.2), (13.6, 5.6)], 2.2))
    yield "semiChecked", ring_rrect(1.5, 1.5, 15, 15, 3.5, 1.6) + rrect(4.8, 8, 8.4, 2.2, 1.1)
    yield "empty", ring_rrect(1.5, 1.5, 15, 15, 3.5, 1.6)
    yield "file", page()
    yield "wav", page() + wave_band(5.6, 12.4, 11, 2.2, 1, 1.3)
    yield "aiff", (page() + rect(5.7, 10, 1.3, 3.5) + rect(7.5, 8, 1.3, 5.5) + rect(9.3, 9, 1.3, 4.5)
                   + rect(11.1, 11, 1.3, 2.5))
    yield "flac", (page() + rect(5.6, 7.6, 6.8, 1.1) + rect(5.6, 13.4, 6.8, 1.1)
                   + wave_band(5.6, 12.4, 11, 1.3, 1.5, 1.1))
    yield "mac", page() + circle(9, 11, 2.9) + circle(9, 11, 1.6, hole=True) + circle(9, 11, 0.8)
    yield "folder", poly([(1.5, 3), (7, 3), (8.6, 4.8), (16.5, 4.8), (16.5, 15), (1.5, 15)]) + rect(3, 7.2, 12, 6.3, hole=True)
    yield "add", cross(9, 9, 7, 1.15, 0)
    yield "delete", (rrect(2.5, 3.4, 13, 1.9, 0.8) + rrect(6.8, 1.6, 4.4, 2.4, 0.8)
                     + poly([(4, 6.2), (14, 6.2), (13, 16.5), (5, 16.5)])
                     + rrect(6.4, 8, 1.3, 6.8, 0.6, hole=True) + rrect(10.3, 8, 1.3, 6.8, 0.6, hole=True))
    yield "refresh", band(9, 9, 5.1, 6.9, 50, 330) + poly([polar(9, 9, 3.6, 50), polar(9, 9, 8.6, 50), polar(9, 9.2, 6.0, 88)])
    yield "zero", (ellipse(9, 9, 5, 7.5) + ellipse(9, 9, 3.2, 5.7, hole=True)
                   + poly([(11.2, 3.2), (12.8, 4.2), (6.8, 14.8), (5.2, 13.8)]))
    yield "random", (rrect(1.5, 1.5, 15, 15, 3.5) + circle(5.4, 5.4, 1.5, hole=True) + circle(12.6, 5.4, 1.5, hole=True)
                     + circle(9, 9, 1.5, hole=True) + circle(5.4, 12.6, 1.5, hole=True) + circle(12.6, 12.6, 1.5, hole=True))
    yield "listen", (band(9, 10.2, 5.9, 7.6, 270, 90) + rrect(1.4, 9.4, 4.2, 7.4, 1.6) + rrect(12.4, 9.4, 4.2, 7.4, 1.6))
    yield "tag", (poly([(1.6, 1.6), (9.2, 1.6), (16.4, 8.8), (8.8, 16.4), (1.6, 9.2)]) + circle(5.6, 5.6, 1.6, hole=True))
    yield "user", circle(9, 5.2, 3.6) + "M2.2 16.6 A6.8 6.8 0 0 1 15.8 16.6Z"
    yield "expand", poly(chevron([(3.5, 3.5), (9, 8.2), (14.5, 3.5)], 2.2)) + poly(chevron([(3.5, 9.6), (9, 14.3), (14.5, 9.6)], 2.2))
    yield "save", (poly([(1.5, 10), (3.4, 10), (3.4, 14.6), (14.6, 14.6), (14.6, 10), (16.5, 10), (16.5, 16.5), (1.5, 16.5)])
                   + rect(8, 1.5, 2, 6) + poly([(4.8, 6.8), (13.2, 6.8), (9, 11.6)]))
    yield "load", (poly([(1.5, 10), (3.4, 10), (3.4, 14.6), (14.6, 14.6), (14.6, 10), (16.5, 10), (16.5, 16.5), (1.5, 16.5)])
                   + rect(8, 6.2, 2, 6.4) + poly([(4.8, 6.4), (13.2, 6.4), (9, 1.6)]))
    yield "left", poly([(12.8, 2.5), (4.6, 9), (12.8, 15.5)])
    yield "right", poly([(5.2, 2.5), (13.4, 9), (5.2, 15.5)])
    yield "x", cross(9, 9, 7.4, 1.2, 45)
    yield "clear", circle(9, 9, 7.6) + cross(9, 9, 4.4, 1.05, 45, hole=True)
    yield "snapshot", (rrect(6, 2.6, 6, 3, 1) + rrect(1.5, 4.6, 15, 11, 2.2) + circle(9, 10.1, 3.9, hole=True)
                       + circle(9, 10.1, 2.3))
    yield "swap", (rect(2, 4.1, 9.5, 1.8) + poly([(11, 1.5), (16, 5), (11, 8.5)])
                   + rect(6.5, 12.1, 9.5, 1.8) + poly([(7, 9.5), (2, 13), (7, 16.5)]))
    yield "lock", (rrect(3, 8, 12, 9, 1.6) + circle(9, 11.6, 1.4, hole=True) + rect(8.4, 12.4, 1.2, 2.6, hole=True)
                   + "M4.6 8.5 L4.6 6 A4.4 4.4 0 0 1 13.4 6 L13.4 8.5 L11.6 8.5 L11.6 6 A2.6 2.6 0 0 0 6.4 6 L6.4 8.5Z")
    yield "search", circle(7.5, 7.5, 6) + circle(7.5, 7.5, 4.2, hole=True) + capsule(11.6, 11.6, 16, 16, 2.6)


def main():
    items = list(icons())
    rows = (len(items) + COLUMNS - 1) // COLUMNS
    width, height = COLUMNS * PITCH, rows * PITCH
    out = ['<?xml version="1.0" encoding="UTF-8"?>',
           '<!-- Corvane icon sheet: one layer, one path per icon id, drawn on an 18 px grid. '
           'Generated by scripts/make_icons.py. -->',
           f'<svg xmlns="http://www.w3.org/2000/svg" xmlns:inkscape="http://www.inkscape.org/namespaces/inkscape"'
           f' width="{width}" height="{height}" viewBox="0 0 {width} {height}">',
           f'  <rect id="background" x="0" y="0" width="{width}" height="{height}" style="fill:#525150"/>',
           f'  <g inkscape:groupmode="layer" inkscape:label="icons" id="layer1">']
    for index, (name, d) in enumerate(items):
        ox = (index % COLUMNS) * PITCH + (PITCH - CELL) / 2
        oy = (index // COLUMNS) * PITCH + (PITCH - CELL) / 2
        placed = shift(d, ox, oy)
        frame = f"M{fmt(ox)} {fmt(oy)} M{fmt(ox + CELL)} {fmt(oy + CELL)} "
        out.append(f'    <path id="{name}" style="fill:#ffffff;stroke:none" d="{frame}{placed}"/>')
    out.append('  </g>')
    out.append('</svg>')
    target = pathlib.Path(__file__).resolve().parent.parent / "resources" / "icons.svg"
    target.write_text("\n".join(out) + "\n", encoding="utf-8")
    print(f"{len(items)} icons -> {target}")


def shift(d, ox, oy):
    """Moves absolute path data by (ox, oy); arc radii and flags stay as they are."""
    import re
    tokens = re.findall(r"[MLAZ]|-?\d+(?:\.\d+)?", d)
    out, i, command = [], 0, None
    while i < len(tokens):
        t = tokens[i]
        if t in "MLAZ":
            command = t
            out.append(t)
            i += 1
            continue
        if command in ("M", "L"):
            out.append(f"{fmt(float(tokens[i]) + ox)} {fmt(float(tokens[i + 1]) + oy)}")
            i += 2
        elif command == "A":
            rx, ry, rot, large, sweep, x, y = tokens[i:i + 7]
            out.append(f"{rx} {ry} {rot} {large} {sweep} {fmt(float(x) + ox)} {fmt(float(y) + oy)}")
            i += 7
        else:
            raise ValueError(d)
    return " ".join(out).replace(" Z", "Z")


if __name__ == "__main__":
    main()
