#!/usr/bin/env python3
"""Checks a game log's cash lines: each "cash a -> b" starts where the one
before ended. With --end N the last one must end at N as well.

    tools/check-cash.py log.log [--end N]

Prints the first break and exits 1 when the chain breaks, else prints the
number of lines and the final cash."""
import re
import sys

LINE = re.compile(rb"cash (-?\d+) -> (-?\d+)")


def main(argv):
    if len(argv) < 2:
        print(__doc__)
        return 2
    end = None
    if "--end" in argv:
        end = int(argv[argv.index("--end") + 1])
    try:
        data = open(argv[1], "rb").read()
    except OSError as error:
        print(f"no log: {error}")
        return 1
    last = None
    count = 0
    for number, line in enumerate(data.splitlines(), 1):
        if b"Portfolio::changeCash" not in line:
            continue
        match = LINE.search(line)
        if not match:
            continue
        before, after = int(match.group(1)), int(match.group(2))
        # A new game starts the chain over from nothing.
        if last is not None and before != last and not line.rstrip().endswith(b"new game"):
            print(f"line {number}: cash {before} follows {last}")
            return 1
        last = after
        count += 1
    if end is not None and last != end:
        print(f"the last cash is {last}, not {end}")
        return 1
    print(f"{count} cash lines, final cash {last}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
