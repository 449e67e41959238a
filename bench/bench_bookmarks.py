#!/usr/bin/env python3
"""Times favpage-cli on synthetic browser bookmarks: 50,000 bookmarks in 2,000 folders,
written as each source kind the publisher reads:
  html:    a Netscape bookmark file (an HTML export)
  oneline: the same export as one line of about 100 MB, every bookmark with its site's
           icon inline (ICON="data:..."), as some exporters write it
  json:    a Chromium-family Bookmarks file
  places:  a Firefox places.sqlite (made with Python's sqlite3)
For each source it runs favpage-cli --type single and --type tree, all interleaved round
by round,
and reports the median wall time and the peak memory (maximum resident set size from
/usr/bin/time -v) against the targets: under 0.3 s for the single page, under 0.6 s for the
tree, under 64 MiB, printing the load average with them.

Usage: bench/bench_bookmarks.py [--cli build/bin/favpage-cli] [--rounds 5] [--work DIR]
"""
import argparse
import html
import json
import os
import sqlite3
import statistics
import tempfile

from bench import timed  # the same measure as the favorites benchmark

NAMES = ["ソフト", "表示", "旅行", "Tools", "ニュース", "開発", "Music & Art", "能力", "予定", "Docs"]
SINGLE_LIMIT, TREE_LIMIT, MEMORY_LIMIT_KB = 0.3, 0.6, 64 * 1024


def make_tree(folders=2000, bookmarks=50000):
    """Folders as (name, parent index or None) in pre-order, and links per folder."""
    tree = []  # (name, parent)
    # Three levels: 20 top folders, each with 9 children, each with 10 (20 + 180 + 1800).
    for a in range(20):
        tree.append((f"{NAMES[a % 10]} {a}", None))
        top = len(tree) - 1
        for b in range(9):
            tree.append((f"{NAMES[(a + b) % 10]} {a}-{b}", top))
            mid = len(tree) - 1
            for c in range(10):
                tree.append((f"{NAMES[(a + b + c) % 10]} 😀 {a}-{b}-{c}", mid))
    tree = tree[:folders]
    per = bookmarks // len(tree)
    links = [[(f"リンク {n}-{i} <{i}>", f"https://example.org/{n}/{i}/?q=日本&x=\"{i}\"")
              for i in range(per)] for n in range(len(tree))]
    return tree, links


def children_of(tree):
    kids = {None: []}
    for n, (_, parent) in enumerate(tree):
        kids.setdefault(parent, []).append(n)
        kids.setdefault(n, [])
    return kids


# An icon as browsers inline it: a PNG's base64, about 2 KB.
ICON = "data:image/png;base64," + "iVBORw0KGgoAAAANSUhEUgAAABAAAAAQCAYAAAAf8/9h" * 46


def write_html(path, tree, links, one_line=False):
    kids = children_of(tree)
    icon = f' ICON="{ICON}"' if one_line else ""
    out = ["<!DOCTYPE NETSCAPE-Bookmark-file-1>",
           '<META HTTP-EQUIV="Content-Type" CONTENT="text/html; charset=UTF-8">',
           "<TITLE>Bookmarks</TITLE>", "<H1>Bookmarks</H1>", "<DL><p>"]

    def folder(n, indent):
        pad = "    " * indent
        out.append(f'{pad}<DT><H3 ADD_DATE="1">{html.escape(tree[n][0])}</H3>')
        out.append(f"{pad}<DL><p>")
        for k in kids[n]:
            folder(k, indent + 1)
        for name, url in links[n]:
            out.append(f'{pad}    <DT><A HREF="{html.escape(url)}" ADD_DATE="1"{icon}>'
                       f"{html.escape(name)}</A>")
        out.append(f"{pad}</DL><p>")

    for top in kids[None]:
        folder(top, 1)
    out.append("</DL><p>")
    with open(path, "w", encoding="utf-8") as f:
        if one_line:
            f.write("".join(line.strip() for line in out))
        else:
            f.write("\n".join(out) + "\n")


def write_json(path, tree, links):
    kids = children_of(tree)

    ids = iter(range(10, 10 ** 9))

    # The fields Chromium writes for every node, so the file has a real file's size.
    def common(kind, name):
        i = next(ids)
        return {"date_added": "13300000000000000", "date_last_used": "0",
                "guid": f"00000000-0000-4000-8000-{i:012d}", "id": str(i),
                "meta_info": {"power_bookmark_meta": ""}, "name": name, "type": kind}

    def node(n):
        folder = common("folder", tree[n][0])
        folder["date_modified"] = "13300000000000000"
        folder["children"] = [node(k) for k in kids[n]] + [
            dict(common("url", name), url=url) for name, url in links[n]]
        return folder

    roots = {"bookmark_bar": {"type": "folder", "name": "Bookmarks bar",
                              "children": [node(k) for k in kids[None]]},
             "other": {"type": "folder", "name": "Other bookmarks", "children": []},
             "synced": {"type": "folder", "name": "Mobile bookmarks", "children": []}}
    with open(path, "w", encoding="utf-8") as f:
        json.dump({"checksum": "0", "roots": roots, "version": 1}, f, ensure_ascii=False,
                  indent=3)


def write_places(path, tree, links):
    if os.path.exists(path):
        os.remove(path)
    db = sqlite3.connect(path)
    db.executescript("""
        CREATE TABLE moz_places (id INTEGER PRIMARY KEY, url LONGVARCHAR, title LONGVARCHAR);
        CREATE TABLE moz_bookmarks (id INTEGER PRIMARY KEY, type INTEGER, fk INTEGER,
          parent INTEGER, position INTEGER, title LONGVARCHAR, guid TEXT);
        INSERT INTO moz_bookmarks VALUES (1, 2, NULL, 0, 0, '', 'root________');
        INSERT INTO moz_bookmarks VALUES (2, 2, NULL, 1, 0, 'menu', 'menu________');
        INSERT INTO moz_bookmarks VALUES (3, 2, NULL, 1, 1, 'toolbar', 'toolbar_____');
        INSERT INTO moz_bookmarks VALUES (4, 2, NULL, 1, 2, 'tags', 'tags________');
        INSERT INTO moz_bookmarks VALUES (5, 2, NULL, 1, 3, 'unfiled', 'unfiled_____');
        INSERT INTO moz_bookmarks VALUES (6, 2, NULL, 1, 4, 'mobile', 'mobile______');
    """)
    kids = children_of(tree)
    folder_id = {}
    next_id = [100]
    rows, places = [], []

    def new_id():
        next_id[0] += 1
        return next_id[0]

    for n, (name, parent) in enumerate(tree):
        folder_id[n] = new_id()
    for n, (name, parent) in enumerate(tree):
        parent_id = 2 if parent is None else folder_id[parent]
        position = kids[parent].index(n)
        rows.append((folder_id[n], 2, None, parent_id, position, name, f"f{n}"))
        base = len(kids[n])
        for i, (title, url) in enumerate(links[n]):
            place = len(places) + 1
            places.append((place, url, None))
            rows.append((new_id(), 1, place, folder_id[n], base + i, title, f"b{place}"))
    db.executemany("INSERT INTO moz_places VALUES (?, ?, ?)", places)
    db.executemany("INSERT INTO moz_bookmarks VALUES (?, ?, ?, ?, ?, ?, ?)", rows)
    db.commit()
    db.close()


def main():
    parser = argparse.ArgumentParser()
    here = os.path.dirname(os.path.abspath(__file__))
    parser.add_argument("--cli", default=os.path.join(here, "..", "build", "bin", "favpage-cli"))
    parser.add_argument("--rounds", type=int, default=5)
    parser.add_argument("--work", default=None)
    args = parser.parse_args()
    if not os.path.exists("/usr/bin/time"):
        raise SystemExit("needs /usr/bin/time (apt-get install time)")

    work = args.work or tempfile.mkdtemp(prefix="favpage-bench-")
    os.makedirs(work, exist_ok=True)
    tree, links = make_tree()
    sources = {"html": os.path.join(work, "bookmarks.html"),
               "oneline": os.path.join(work, "oneline.html"),
               "json": os.path.join(work, "Bookmarks"),
               "places": os.path.join(work, "places.sqlite")}
    write_html(sources["html"], tree, links)
    write_html(sources["oneline"], tree, links, one_line=True)
    write_json(sources["json"], tree, links)
    write_places(sources["places"], tree, links)
    settings = os.path.join(work, "empty.ini")
    open(settings, "w").close()
    total = sum(len(l) for l in links)
    print(f"{total} bookmarks in {len(tree)} folders; {args.rounds} rounds; one-line export "
          f"{os.path.getsize(sources['oneline']) / 1e6:.0f} MB; load {os.getloadavg()[0]:.2f}")

    runs = {}  # (kind, mode): command, limit, times, peaks
    for kind, path in sources.items():
        for mode, limit in (("single", SINGLE_LIMIT), ("tree", TREE_LIMIT)):
            out = os.path.join(work, "site", kind, mode, "links.html")
            command = [args.cli, "--source", path, "--type", mode, "--out", out, "--quiet",
                       "--title", "Bench", "--settings", settings]
            runs[(kind, mode)] = (command, limit, [], [])
    # Round after round, every command once, so a change of the machine's load falls on all.
    for _ in range(args.rounds):
        for command, _, times, peaks in runs.values():
            elapsed, peak = timed(command)
            times.append(elapsed)
            peaks.append(peak)
    failed = False
    for (kind, mode), (_, limit, times, peaks) in runs.items():
        median, peak = statistics.median(times), max(peaks)
        ok = median < limit and peak < MEMORY_LIMIT_KB
        failed |= not ok
        print(f"{kind:7s} {mode:6s} median {median:6.3f} s (limit {limit:.1f} s)  "
              f"peak {peak / 1024:6.1f} MiB  {'ok' if ok else 'OVER'}")
    print(f"load at the end {os.getloadavg()[0]:.2f}")
    raise SystemExit(1 if failed else 0)


if __name__ == "__main__":
    main()
