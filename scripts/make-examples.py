#!/usr/bin/env python3
"""Writes the two sample survey folders under examples/ (deterministic).

old-units/: every quantity in kgf/cm2, kgf, kgf/m2; no SICONV.INI.
si-units/:  every quantity in kN/m2, kN; SICONV.INI records it.
Header lines that are not converted hold CP932 text, as real surveys do.
"""
import os
import random

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "examples")
PRESSURE = 98.0665
LOAD = 0.00980665


def write(folder, name, lines, text=None):
    os.makedirs(folder, exist_ok=True)
    data = "".join(line + "\r\n" for line in lines)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data.encode("cp932"))


def g73(rng, si):
    lines = []
    for i in range(60):
        p = rng.uniform(0.5, 25.0)
        lines.append("%3d,%7.2f,%13.6g,%3d" % (i + 1, 0.5 * (i + 1), p * PRESSURE if si else p,
                                                rng.randint(1, 40)))
    return lines


def g81(rng, si):
    lines = []
    for i in range(40):
        p = rng.uniform(0.2, 10.0)
        lines.append("%3d,%7.2f,%13.6f,%d,%d" % (i + 1, 1.0 * (i + 1), p * PRESSURE if si else p,
                                                  rng.randint(0, 3), rng.randint(0, 1)))
    return lines


def l204(rng, si):
    lines = []
    for i in range(36):
        top = 2.0 + 5.0 * i
        crit = rng.uniform(2.0, 15.0)
        pore = rng.uniform(0.1, 3.0)
        rest = [rng.uniform(0, 50) for _ in range(6)]
        fields = ["%3d" % (i + 1), "%7.2f" % top, "%7.2f" % (top + 5.0),
                  "%9.2f" % rng.uniform(1, 30),
                  "%13.6f" % (crit * PRESSURE if si else crit),
                  "%9.2f" % rng.uniform(0, 99), "%9.2f" % rng.uniform(0, 99),
                  "%9.2f" % rng.uniform(0, 99),
                  "%13.6f" % (pore * PRESSURE if si else pore)]
        fields += ["%9.2f" % v for v in rest]
        lines.append(",".join(fields))
    return lines


def l205(rng, si):
    lines = []
    for i in range(150):
        load = rng.choice([5, 15, 25, 50, 75, 100])
        bearing = rng.uniform(500.0, 9000.0)
        fields = ["%3d" % (i + 1), "%7.2f" % (0.25 * (i + 1)), "%7.2f" % (0.25 * i),
                  "%13.6f" % (load * LOAD if si else load)]
        fields += ["%9.2f" % rng.uniform(0, 200) for _ in range(5)]
        fields.append("%13.6f" % (bearing * LOAD if si else bearing))
        fields += ["%9.2f" % rng.uniform(0, 60) for _ in range(5)]
        lines.append(",".join(fields))
    return lines


def header_line(values, wide, factor):
    width = 15 if wide else 14
    a, b, c = (v * factor for v in values)
    return ("%.6g" % a) + ("%*.6g" % (width, b)) + ("%*.6g" % (width, c))


def headers(si):
    pf = 100 if si else 1
    lf = 0.1 if si else 1
    return {
        "G73.HED": [header_line((0, 2.5, 25), True, pf), "給圧 試験 No.1"],
        "G81.HED": [header_line((0, 1, 10), True, pf), "送水圧 試験", "地点 B-1"],
        "L204.HED": ["透水試験（ルジオン） B-1", header_line((0, 5, 20), False, pf),
                     "試験区間", "深度 2.00-182.00m", "注入量 L/min",
                     header_line((0, 0.5, 5), False, pf),
                     "", "判定", "備考", "", "", "以上"],
        "L205.HED": [header_line((0, 25, 100), True, lf), "スウェーデン式サウンディング試験",
                     "地点 S-3", "", "", "",
                     header_line((0, 1000, 10000), True, lf), "換算", "", "", "", "以上"],
    }


def make(name, si):
    rng = random.Random(20261208)
    folder = os.path.join(ROOT, name)
    write(folder, "G73.TXT", g73(rng, si))
    write(folder, "G81.TXT", g81(rng, si))
    write(folder, "L204.TXT", l204(rng, si))
    write(folder, "L205.TXT", l205(rng, si))
    for hed, lines in headers(si).items():
        write(folder, hed, lines)
    if si:
        write(folder, "SICONV.INI", ["[UNITTYPE]"] + ["SI_%d=1" % k for k in range(6)])


make("old-units", False)
make("si-units", True)
