#!/usr/bin/env bash
# Writes the sample favorites as pages in both formats and every style, then, in headless
# Chromium, photographs them at phone size (375 x 812) and desktop size (1280 x 900) and
# measures each at phone width: no horizontal scroll, every link at least 44 px high, all
# text at least 16 px. Prints one line per page; fails when a page with one of the three
# style sheets misses a mark.
# Usage: scripts/screenshot-pages.sh [build folder] [output folder]
#   (defaults: build, build/pages; the README shows html5-2-phone.png and
#   html5-2-desktop.png as docs/pages-phone.png and docs/pages-desktop.png)
# Needs: chromium (installed when missing).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
out=${2:-$build/pages}
cli=$build/bin/favpage-cli
command -v chromium >/dev/null || "$root/scripts/deps.sh" chromium

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
: >"$work/settings.ini"
mkdir -p "$out"

# The page's own look where a phone lays it out: the page in a frame 375 px wide, measured
# once it is loaded; the result goes into the DOM, which Chromium prints.
cat >"$work/probe.html" <<'HTML'
<!DOCTYPE html>
<html><head><meta charset="UTF-8"><title>probe</title></head>
<body style="margin:0"><iframe id="page" src="links.html" width="375" height="812"
style="border:0"></iframe><script>
window.addEventListener("load", () => {
  const page = document.getElementById("page").contentDocument;
  const view = page.defaultView;
  const width = page.documentElement.clientWidth;
  const wide = page.documentElement.scrollWidth > width;
  const low = [...page.querySelectorAll("a")].filter(
      (a) => a.getBoundingClientRect().height < 44).length;
  const small = [...page.querySelectorAll("body *")].filter((e) =>
      [...e.childNodes].some((n) => n.nodeType === 3 && n.textContent.trim()) &&
      parseFloat(view.getComputedStyle(e).fontSize) < 16).length;
  document.body.dataset.phone = `width=${width} scroll=${wide ? "yes" : "no"} ` +
      `low-links=${low} small-text=${small}`;
});
</script></body></html>
HTML

browser() {
  chromium --headless --no-sandbox --disable-gpu --hide-scrollbars --force-device-scale-factor=1 \
    --disable-dev-shm-usage "$@" 2>/dev/null
}

failed=0
for format in classic html5; do
  for style in none 0 1 2; do
    name=$format-$style
    page=$work/$name/links.html
    "$cli" --settings "$work/settings.ini" --favorites "$root/examples/Favorites" --out "$page" \
      --quiet --format "$format" --type single --charset utf-8 --style "$style" --blank \
      --title "私のお気に入り" --return-caption "ＨＰに戻る" --return-url "../index.html"
    browser --window-size=375,812 --screenshot="$out/$name-phone.png" "file://$page"
    browser --window-size=1280,900 --screenshot="$out/$name-desktop.png" "file://$page"

    cp "$work/probe.html" "$work/$name/"
    result=$(browser --allow-file-access-from-files --window-size=1280,900 \
      --virtual-time-budget=2000 --dump-dom "file://$work/$name/probe.html" |
      sed -n 's/.*data-phone="\([^"]*\)".*/\1/p')
    echo "$name at 375 px: ${result:-not measured}"
    # A page without a style sheet is the browser's own look: measured, not held to them.
    if [ "$style" != none ]; then
      case $result in
        *"scroll=no low-links=0 small-text=0"*) ;;
        *) failed=1 ;;
      esac
    fi
  done
done
echo "screenshots in $out"
exit $failed
