#!/usr/bin/env bash
# Writes HTML5 pages of the sample favorites and of every bookmark fixture (one page and a
# page per folder, Shift_JIS and UTF-8, the three style sheets and none) and checks them
# all, with the window's HTML5 preview and the three sheets, in one run of the W3C Nu
# checker (vnu-jar from npm, on Debian's Java). Installs the checker when it is missing.
# Fails on any error.
# Usage: scripts/check-html5.sh [build folder]   (default: build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
cli=$build/bin/favpage-cli
tools=${FAVPAGE_TOOLS_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/favpage-tools}
vnu=$tools/node_modules/vnu-jar/build/dist/vnu.jar

command -v java >/dev/null || "$root/scripts/deps.sh" default-jre-headless
if [ ! -f "$vnu" ]; then
  command -v npm >/dev/null || "$root/scripts/deps.sh" npm
  mkdir -p "$tools"
  npm install --prefix "$tools" --no-audit --no-fund --silent vnu-jar >/dev/null
fi

work=$(mktemp -d)
server=""
cleanup() {
  [ -n "$server" ] && kill "$server" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
: >"$work/settings.ini"

sources=(
  "examples:$root/examples/Favorites"
  "chromium:$root/tests/data/bookmarks/Bookmarks"
  "chromium-export:$root/tests/data/bookmarks/chromium-export.html"
  "firefox-export:$root/tests/data/bookmarks/firefox-export.html"
)
count=0
for entry in "${sources[@]}"; do
  name=${entry%%:*}
  source=${entry#*:}
  for type in single tree; do
    for charset in shift_jis utf-8; do
      for style in none 0 1 2; do
        out=$work/$name/$type-$charset-$style/links.html
        "$cli" --settings "$work/settings.ini" --source "$source" --out "$out" --quiet \
          --format html5 --type "$type" --charset "$charset" --style "$style" --blank \
          --title "<b>私の</b>お気に入り" --title "毎週 & 更新" \
          --return-caption "ＨＰに戻る" --return-url "../index.html"
        count=$((count + 1))
      done
    done
  done
done

# The window's HTML5 preview, as it builds it from its two templates, for each sheet.
mkdir -p "$work/preview"
for sheet in 0 1 2; do
  { cat "$root/data/sample-html5-top.html"
    printf '<link href="mirelstyle%d.css" rel="stylesheet">\r\n' "$sheet"
    cat "$root/data/sample-html5-bottom.html"; } >"$work/preview/sample-$sheet.html"
done

# The checker reads a local file as UTF-8 whatever it declares; served over HTTP without
# a charset, each page is read in the charset it names, as a browser reads it.
python3 - "$work" >"$work/port" <<'PY' &
import functools, http.server, sys
class Quiet(http.server.SimpleHTTPRequestHandler):
    extensions_map = {".html": "text/html", ".css": "text/css"}
    def log_message(self, *args):
        pass
handler = functools.partial(Quiet, directory=sys.argv[1])
with http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler) as httpd:
    print(httpd.server_address[1], flush=True)
    httpd.serve_forever()
PY
server=$!
for _ in $(seq 100); do [ -s "$work/port" ] && break; sleep 0.05; done
port=$(cat "$work/port")
cp "$root"/data/mirelstyle*.css "$work/"

mapfile -t urls < <(cd "$work" && find . -name '*.html' | sort | sed "s|^\./|http://127.0.0.1:$port/|")
echo "check-html5: $count runs, ${#urls[@]} pages and the three style sheets"
# The checker allows no encoding but UTF-8. Shift_JIS stays the user's choice, so on the
# Shift_JIS pages its two messages saying so are let through; every other error fails the
# check.
java -Xss4m -Dnu.validator.servlet.allow-forbidden-hosts=true -jar "$vnu" --also-check-css \
  --filterpattern '.*(Legacy encoding .shift_jis. used. Documents must use UTF-8|The only allowed value for the .charset. attribute for the .meta. element is .utf-8.).*' \
  "${urls[@]}" "http://127.0.0.1:$port/mirelstyle0.css" "http://127.0.0.1:$port/mirelstyle1.css" \
  "http://127.0.0.1:$port/mirelstyle2.css"
echo "check-html5: no errors"
