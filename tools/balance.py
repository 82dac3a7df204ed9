#!/usr/bin/env python3
"""The game's balance, measured with the player bot: whole games for every
level and style over many seeds, headless, on a copy of the content whose
calendar runs a day a frame. Prints a Markdown table (the README's balance
table) of the net worth at the end (cash, savings, holdings and furniture, as
the end screen sums them), reminders, debt-collector visits and game overs.

    tools/balance.py [--seeds N] [--levels 1,2,3] [--styles careful,spender]
                     [--exe build/fiscora] [--jobs N]

Each game's log is kept under build/balance/<style>-<level>-<seed>/."""
import argparse
import os
import re
import shutil
import statistics
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
START_WORTH = 4000
FRAME_STEP = "0.02"
DAY_STEP = "0.01"  # below the frame step: every frame is one day


def prepare_content(work):
    """The shipped content with the calendar's day step shortened."""
    data = os.path.join(work, "data")
    shutil.rmtree(data, ignore_errors=True)
    shutil.copytree(os.path.join(ROOT, "data"), data)
    date = os.path.join(data, "xml", "date.xml")
    text = open(date, encoding="utf-8").read()
    text = re.sub(r'<steptime sec="[^"]*"', f'<steptime sec="{DAY_STEP}"', text)
    open(date, "w", encoding="utf-8").write(text)
    return data


def play(exe, data, work, style, level, seed):
    folder = os.path.join(work, f"{style}-{level}-{seed}")
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    shutil.copy(exe, os.path.join(folder, "fiscora"))
    with open(os.path.join(folder, "fiscora.info"), "w") as info:
        info.write("data/ folders\n")
    # Hard links: the copy is cheap and the program's file system reads them
    # like plain files (it refuses symbolic links).
    subprocess.run(["cp", "-al", data, os.path.join(folder, "data")], check=True)
    env = dict(os.environ, FISCORA_HEADLESS="1", FISCORA_FIXED_DT=FRAME_STEP,
               FISCORA_SEED=str(seed), FISCORA_AUTOPLAY=style,
               FISCORA_AUTOPLAY_LEVEL=str(level))
    try:
        status = subprocess.run(["./fiscora", "-window"], cwd=folder, env=env,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                timeout=600).returncode
    except subprocess.TimeoutExpired:
        status = "timeout"
    shutil.rmtree(os.path.join(folder, "data"), ignore_errors=True)
    os.remove(os.path.join(folder, "fiscora"))
    return read_log(os.path.join(folder, "log.log"), status)


def read_log(path, status):
    try:
        log = open(path, "rb").read().decode("cp1252", "replace")
    except OSError:
        log = ""
    total = re.findall(r"end sums: .*total (-?\d+)", log)
    return {
        "status": status,
        "worth": int(total[-1]) if total else None,
        "reminders": len(re.findall(r"refused, reminder \d", log)),
        "collector": len(re.findall(r"collector takes", log)),
        "gameover": "could not take the last" in log,
        "months": len(re.findall(r"\[Autoplay\].*month \d+ over", log)),
    }


def row(level, style, games):
    worths = [g["worth"] for g in games if g["worth"] is not None]
    ended = len(worths)
    fmt = lambda v: f"{v:,.0f}".replace(",", " ")
    if worths:
        worth = (f"{fmt(statistics.median(worths))} ({fmt(min(worths))} .. "
                 f"{fmt(max(worths))})")
        above = sum(1 for w in worths if w > START_WORTH)
        # Levels last 6, 12 and 24 months: the gain a month compares them.
        gains = [(g["worth"] - START_WORTH) / g["months"] for g in games
                 if g["worth"] is not None and g["months"]]
        gain = fmt(statistics.median(gains)) if gains else "-"
    else:
        worth, above, gain = "-", 0, "-"
    reminders = sum(g["reminders"] for g in games) / len(games)
    with_reminder = sum(1 for g in games if g["reminders"])
    collector = sum(1 for g in games if g["collector"])
    overs = sum(1 for g in games if g["gameover"])
    failed = sum(1 for g in games if g["status"] not in (0,))
    return (f"| {level} | {style} | {len(games)} | {ended} | {worth} | {gain} | {above} | "
            f"{reminders:.1f} ({with_reminder}) | {collector} | {overs} | {failed} |")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--seeds", type=int, default=20)
    parser.add_argument("--levels", default="1,2,3")
    parser.add_argument("--styles", default="careful,spender")
    parser.add_argument("--exe", default=os.path.join(ROOT, "build", "fiscora"))
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 2)
    args = parser.parse_args()

    work = os.path.join(ROOT, "build", "balance")
    os.makedirs(work, exist_ok=True)
    data = prepare_content(work)
    runs = [(style, int(level), seed) for level in args.levels.split(",")
            for style in args.styles.split(",") for seed in range(1, args.seeds + 1)]
    with ThreadPoolExecutor(args.jobs) as pool:
        results = list(pool.map(lambda r: (r, play(args.exe, data, work, *r)), runs))

    print("| level | style | games | reached the end | net worth at the end: median (min .. max) kr "
          "| gained a month: median kr | above 4 000 kr | reminders a game (games with any) | games with the collector "
          "| game overs | runs that failed |")
    print("|---|---|---|---|---|---|---|---|---|---|---|")
    for level in args.levels.split(","):
        for style in args.styles.split(","):
            games = [g for (s, l, _), g in results if s == style and l == int(level)]
            print(row(level, style, games))
    failed = [(r, g["status"]) for r, g in results if g["status"] != 0]
    for (style, level, seed), status in failed:
        print(f"failed: {style} level {level} seed {seed}: {status}", file=sys.stderr)
    return 0


if __name__ == "__main__":
    sys.exit(main())
