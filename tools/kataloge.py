#!/usr/bin/env python3
"""Writes the suite's profile tables (HEA, HEB, HEM, IPE) and the rail catalog
(ASchiene) into data/ from the published reference tables.

    python3 tools/kataloge.py <folder with profiles.csv and rails_A.csv>

Profile record: size,"H|B|S|T|R" (mm).
Rail record:    name,"h1|h2|h3|k|b3|b1|f1|f3|" (mm): element 0 the rail height,
3 the head width, 5 the foot width.
"""
import csv
import os
import sys

quelle = sys.argv[1] if len(sys.argv) > 1 else "../shared/data"
ziel = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data")


def zahltext(wert):
    wert = wert.strip()
    return wert[:-2] if wert.endswith(".0") else wert


reihen = {}
with open(os.path.join(quelle, "profiles.csv"), newline="") as f:
    for z in csv.DictReader(f):
        werte = "|".join(zahltext(z[k]) for k in ("h", "b", "tw", "tf", "r"))
        reihen.setdefault(z["series"], []).append('%s,"%s"' % (z["size"], werte))
for reihe, zeilen in reihen.items():
    with open(os.path.join(ziel, reihe), "w", newline="") as f:
        f.write("\r\n".join(zeilen) + "\r\n")

with open(os.path.join(quelle, "rails_A.csv"), newline="") as f:
    zeilen = []
    for z in csv.DictReader(f):
        werte = "".join(zahltext(z[k]) + "|" for k in ("h1", "h2", "h3", "k", "b3", "b1", "f1", "f3"))
        zeilen.append('%s,"%s"' % (z["rail"], werte))
with open(os.path.join(ziel, "ASchiene"), "w", newline="") as f:
    f.write("\r\n".join(zeilen) + "\r\n")
