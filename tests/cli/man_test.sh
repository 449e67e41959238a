#!/usr/bin/env bash
# The manual pages: groff and man render them without a warning, and favpage-cli(1)
# names every option the program's --help lists.
# Usage: man_test.sh <man folder> <favpage-cli binary>
set -uo pipefail
man_dir=$(realpath "$1")
binary=$(realpath "$2")
for tool in groff man col; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
failures=0
fail() {
  echo "FAIL $*" >&2
  failures=$((failures + 1))
}

for page in "$man_dir"/favpage-cli.1 "$man_dir"/favpage.1; do
  name=$(basename "$page")
  # -k: the pages are UTF-8 (favpage(1) names the window's Japanese menus).
  warnings=$(groff -k -ww -man -z -Tutf8 "$page" 2>&1)
  [ -z "$warnings" ] || fail "groff warns about $name: $warnings"
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man warns about $name: $warnings"
  head -n 3 "$page" | grep -q '^\.TH ' || fail "$name has no .TH line at its top"
done

# The text as a reader sees it, with plain hyphens and no line broken inside a word.
rendered=$(LC_ALL=C MANWIDTH=250 man -l "$man_dir/favpage-cli.1" 2>/dev/null | col -b)
options=$(LC_ALL=C "$binary" --help | grep -oE '^  -[[:alnum:]], --[[:alnum:]-]+|^      --[[:alnum:]-]+' |
  tr -d ',' | tr ' ' '\n' | sed '/^$/d')
[ -n "$options" ] || fail "no options in --help"
for option in $options; do
  grep -qE -- "(^|[^[:alnum:]-])$option([^[:alnum:]-]|$)" <<<"$rendered" ||
    fail "favpage-cli(1) does not name $option"
done

if [ "$failures" -ne 0 ]; then
  echo "$failures manual page checks failed" >&2
  exit 1
fi
echo "manual pages: clean, and favpage-cli(1) names all $(wc -w <<<"$options") options"
