#!/usr/bin/env python3
"""Times favpage-cli on a synthetic favorites tree against the floor of the work.

Builds a tree of 20,000 shortcuts in 1,000 folders over three levels (Japanese names,
some with 0x5C second bytes), compiles bench/floor.c with cc -O2, then runs, interleaved
round by round:
  floor-single: the floor program writing one file (walk, read every shortcut, one line
                per link)
  single:       favpage-cli --type single
  floor-tree:   the floor program writing one file per folder
  tree:         favpage-cli --type tree
  find-cat:     find TREE -name '*.url' -exec cat {} + > /dev/null
and reports the median wall time of each, the ratio of each page type to its floor (and
of every program to the single floor), and the peak memory (maximum resident set size
from /usr/bin/time -v).

Usage: bench/bench.py [--cli build/bin/favpage-cli] [--rounds 7] [--work DIR] [--cc cc]
"""
import argparse
import os
import shutil
import statistics
import subprocess
import tempfile
import time

NAMES = ["ソフト", "表示", "旅行", "Tools", "ニュース", "開発", "Music", "能力", "予定", "Docs"]


def build_tree(root, folders_per_level=(10, 9, 10), shortcuts_per_folder=20):
    folders = []

    def add(path, depth):
        if depth == len(folders_per_level):
            return
        for i in range(folders_per_level[depth]):
            child = os.path.join(path, f"{NAMES[(i + depth) % len(NAMES)]}{i}")
            os.makedirs(child)
            folders.append(child)
            add(child, depth + 1)

    add(root, 0)
    for n, folder in enumerate(folders):
        for i in range(shortcuts_per_folder):
            url = f"https://example.org/{n}/{i}/index.html"
            with open(os.path.join(folder, f"リンク{i:02d}.url"), "wb") as f:
                f.write(b"[DEFAULT]\r\nBASEURL=" + url.encode() +
                        b"\r\n[InternetShortcut]\r\nURL=" + url.encode() + b"\r\n")
    return len(folders), len(folders) * shortcuts_per_folder


def timed(command):
    """Wall seconds and peak resident kilobytes of one run."""
    started = time.perf_counter()
    result = subprocess.run(["/usr/bin/time", "-v"] + command, stdout=subprocess.DEVNULL,
                            stderr=subprocess.PIPE, text=True)
    elapsed = time.perf_counter() - started
    if result.returncode != 0:
        raise SystemExit(f"{' '.join(command)} failed:\n{result.stderr}")
    peak = next(int(line.split(":")[1]) for line in result.stderr.splitlines()
                if "Maximum resident set size" in line)
    return elapsed, peak


def main():
    parser = argparse.ArgumentParser()
    here = os.path.dirname(os.path.abspath(__file__))
    parser.add_argument("--cli", default=os.path.join(here, "..", "build", "bin", "favpage-cli"))
    parser.add_argument("--rounds", type=int, default=7)
    parser.add_argument("--work", default=None)
    parser.add_argument("--cc", default="cc")
    args = parser.parse_args()
    if not os.path.exists("/usr/bin/time"):
        raise SystemExit("needs /usr/bin/time (apt-get install time)")

    work = args.work or tempfile.mkdtemp(prefix="favpage-bench-")
    os.makedirs(work, exist_ok=True)
    floor = os.path.join(work, "floor")
    subprocess.run([args.cc, "-O2", "-o", floor, os.path.join(here, "floor.c")], check=True)
    tree = os.path.join(work, "Favorites")
    shutil.rmtree(tree, ignore_errors=True)
    folders, shortcuts = build_tree(tree)
    out = os.path.join(work, "site")
    common = [args.cli, "--favorites", tree, "--quiet", "--title", "Bench", "--settings",
              os.path.join(work, "empty.ini")]
    open(os.path.join(work, "empty.ini"), "w").close()
    floor_out = os.path.join(work, "floor-site")
    os.makedirs(floor_out, exist_ok=True)
    commands = {
        "floor-single": [floor, "single", tree, os.path.join(floor_out, "single.html")],
        "single": common + ["--type", "single", "--out", os.path.join(out, "single.html")],
        "floor-tree": [floor, "tree", tree, os.path.join(floor_out, "links")],
        "tree": common + ["--type", "tree", "--out", os.path.join(out, "links.html")],
        "find-cat": ["sh", "-c", f"find '{tree}' -name '*.url' -exec cat {{}} + > /dev/null"],
    }
    floor_of = {"single": "floor-single", "tree": "floor-tree"}
    for command in commands.values():  # warm the page cache once
        timed(command)
    times = {name: [] for name in commands}
    peaks = {name: 0 for name in commands}
    for _ in range(args.rounds):
        for name, command in commands.items():
            elapsed, peak = timed(command)
            times[name].append(elapsed)
            peaks[name] = max(peaks[name], peak)

    medians = {name: statistics.median(times[name]) for name in commands}
    print(f"tree: {shortcuts} shortcuts in {folders} folders, {args.rounds} rounds; "
          f"load {os.getloadavg()[0]:.2f}")
    for name in commands:
        median = medians[name]
        own = (f"  to {floor_of[name]} {median / medians[floor_of[name]]:5.2f}"
               if name in floor_of else " " * 24)
        print(f"{name:>12}: median {median * 1000:8.1f} ms  to floor-single "
              f"{median / medians['floor-single']:5.2f}{own}  peak {peaks[name] / 1024:6.1f} MiB")
    if not args.work:
        shutil.rmtree(work)


if __name__ == "__main__":
    main()
