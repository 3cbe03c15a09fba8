#!/usr/bin/env python3
"""Writes a synthetic elevation grid in the SRTM ASCII grid form: an alpine
valley running west to east with ridges and a few peaks, heights in metres.

usage: scripts/make_grid.py OUT.asc [--size N] [--south DEG] [--west DEG]
                            [--cell DEG]
N rows and columns (default 121), the lower-left corner (default 47, 9) and
the cell size in degrees (default 1/120, written as in the tiles).
"""
import argparse
import math


def height(lat, lon, south, west, span):
    # Position within the tile, 0..1 each way.
    u = (lon - west) / span
    v = (lat - south) / span
    # A valley floor at 450 m along v = 0.5, slopes rising to both sides.
    h = 450 + 2600 * abs(v - 0.5) ** 1.3
    # Ridges across the slopes and three peaks.
    h += 180 * math.sin(9 * u + 2 * v) * abs(v - 0.5) * 2
    for pu, pv, ph, pr in ((0.25, 0.8, 1200, 0.08), (0.7, 0.2, 1500, 0.1), (0.85, 0.75, 900, 0.06)):
        d = math.hypot(u - pu, v - pv) / pr
        h += ph * max(0.0, 1 - d)
    return int(round(h))


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("out")
    ap.add_argument("--size", type=int, default=121)
    ap.add_argument("--south", type=float, default=47.0)
    ap.add_argument("--west", type=float, default=9.0)
    ap.add_argument("--cell", type=float, default=1 / 120)
    a = ap.parse_args()
    n = a.size
    kept = n - 1 if n % 100 == 1 else n
    span = kept * a.cell
    north = a.south + span
    with open(a.out, "w", newline="\r\n") as f:
        f.write(f"ncols        {n}\nnrows        {n}\n")
        f.write(f"xllcorner    {a.west:.6f}\nyllcorner    {a.south:.6f}\n")
        f.write(f"cellsize     {a.cell:.12f}\nNODATA_value -32768\n")
        for r in range(n):
            # The first row of a 100 n + 1 tile is the neighbour's last one.
            lat = north - r * a.cell if kept != n else north - (r + 1) * a.cell
            row = [height(lat, a.west + c * a.cell, a.south, a.west, span) for c in range(n)]
            f.write(" ".join(map(str, row)) + "\n")


if __name__ == "__main__":
    main()
