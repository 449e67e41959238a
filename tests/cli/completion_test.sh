#!/usr/bin/env bash
# The bash completion of favpage-cli, driven as bash drives it (COMP_WORDS, COMP_CWORD),
# against the real program and a stand-in that lists folders.
# Usage: completion_test.sh <favpage-cli.bash> <favpage-cli binary>
set -uo pipefail
completion=$(realpath "$1")
binary=$(realpath "$2")
[ -f "$completion" ] && [ -x "$binary" ] || { echo "usage: $0 <completion> <favpage-cli>" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
# shellcheck source=/dev/null
source "$completion"
failures=0

# complete WORD...: the replies for the last word, one a line, sorted.
complete_words() {
  COMP_WORDS=("$@")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _favpage_cli
  printf '%s\n' "${COMPREPLY[@]}" | sed '/^$/d' | sort
}

expect() {  # expect "what" "expected lines" WORD...
  local what=$1 expected=$2
  shift 2
  local got
  got=$(complete_words "$@")
  if [ "$got" != "$expected" ]; then
    echo "FAIL $what: expected [$expected], got [$got]" >&2
    failures=$((failures + 1))
  else
    echo "ok   $what"
  fi
}

# The options the program's help lists, one a line, sorted: what completion must offer.
help_options=$(LC_ALL=C "$binary" --help | grep -oE '^  -[[:alnum:]], --[[:alnum:]-]+|^      --[[:alnum:]-]+' |
  tr -d ',' | tr ' ' '\n' | sed '/^$/d' | sort)
[ "$(wc -l <<<"$help_options")" -gt 10 ] || { echo "FAIL no options in --help" >&2; exit 1; }
expect "every option of --help" "$help_options" "$binary" -
expect "the known options match --help" "$help_options" /nonexistent/favpage-cli -
expect "a long option" "--type" "$binary" --ty
expect "--type's values" $'single\ntree' "$binary" --type ''
expect "--style's values" $'0\n1\n2\nnone' "$binary" --style ''
expect "--charset's values" "utf-8" "$binary" --charset u
expect "--opt=value, cut at =" "tree" "$binary" --type = t
expect "--opt=value, just typed =" $'single\ntree' "$binary" --type =
expect "--opt=value, one word" "tree" "$binary" --type=t
touch firefox-export.html
mkdir fav
expect "--source: browsers and files" $'firefox\nfirefox-export.html' "$binary" --source fi
expect "--favorites: folders only" "fav" "$binary" --favorites f
expect "-o: files" "firefox-export.html" "$binary" -o fire
expect "free text gets nothing" "" "$binary" --title ''

# --folder asks the program for the chosen source's folders; a source that cannot be
# read (or a program without --list-folders) gives none, quietly.
expect "--folder without --list-folders" "" "$binary" --source firefox --folder ''
cat >fake-cli <<'FAKE'
#!/bin/sh
# Lists folders only for the source it was given, as the real --list-folders does.
[ "$1 $2 $3" = "--source /tmp/my bookmarks.html --list-folders" ] || exit 1
printf '%s\n' 'Bar' 'Bar/Dev Tools' 'Bar/a\/b' 'Other'
FAKE
chmod +x fake-cli
expect "--folder lists the source's folders" $'Bar\nBar/Dev\\ Tools\nBar/a\\\\/b' \
  ./fake-cli --source "'/tmp/my bookmarks.html'" --folder B
expect "--folder=, a backslashed source" $'Bar\nBar/Dev\\ Tools\nBar/a\\\\/b\nOther' \
  ./fake-cli --source '/tmp/my\ bookmarks.html' --folder = ''

if [ "$failures" -ne 0 ]; then
  echo "$failures completion checks failed" >&2
  exit 1
fi
