#!/usr/bin/env python3
"""Compares two coverage runs of tools/coverage.sh (their coverage.json).

    tools/coverage-compare.py before.json after.json

Prints the line and branch totals of both and every line or branch of src/
that the first run covered and the second did not. Exits 1 when anything
was lost, so a consolidation of the tests can prove it kept what they reach.
"""
import json
import sys


def load(path):
    """{file: {line: (hit, [branch hit, ...])}} of one gcovr JSON report."""
    with open(path, encoding="utf-8") as f:
        report = json.load(f)
    files = {}
    for entry in report["files"]:
        lines = files.setdefault(entry["file"], {})
        for line in entry["lines"]:
            if line.get("gcovr/noncode"):
                continue
            number = line["line_number"]
            hit, branches = lines.get(number, (False, []))
            counts = [b["count"] > 0 for b in line.get("branches", [])]
            if len(branches) < len(counts):
                branches = branches + [False] * (len(counts) - len(branches))
            for i, covered in enumerate(counts):
                branches[i] = branches[i] or covered
            lines[number] = (hit or line["count"] > 0, branches)
    return files


def totals(files):
    lines = covered = branches = taken = 0
    for per_line in files.values():
        for hit, bs in per_line.values():
            lines += 1
            covered += hit
            branches += len(bs)
            taken += sum(bs)
    return covered, lines, taken, branches


def main():
    if len(sys.argv) != 3:
        print(__doc__.strip())
        return 2
    before, after = load(sys.argv[1]), load(sys.argv[2])
    for name, files in (("before", before), ("after", after)):
        c, l, t, b = totals(files)
        print(f"{name:6}  lines {c}/{l} ({100.0 * c / max(l, 1):.1f}%)"
              f"  branches {t}/{b} ({100.0 * t / max(b, 1):.1f}%)")
    lost = 0
    for path in sorted(before):
        for number, (hit, bs) in sorted(before[path].items()):
            now_hit, now_bs = after.get(path, {}).get(number, (False, []))
            if hit and not now_hit:
                print(f"lost line   {path}:{number}")
                lost += 1
                continue
            for i, covered in enumerate(bs):
                if covered and not (i < len(now_bs) and now_bs[i]):
                    print(f"lost branch {path}:{number} #{i}")
                    lost += 1
    print(f"lost {lost}")
    return 1 if lost else 0


if __name__ == "__main__":
    sys.exit(main())
