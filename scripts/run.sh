#!/usr/bin/env bash
# Installs what is missing, builds favpage and starts the window. Without a desktop
# session it says so and publishes the sample favorites with favpage-cli instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh

root=$(pwd)
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No desktop session (DISPLAY is not set): publishing the sample favorites instead."
  out="$root/build/demo/links.html"
  build/bin/favpage-cli --favorites examples/Favorites --out "$out" --type tree --style 1 \
    --title "私のお気に入り" --title "favpage のサンプル"
  echo "The pages are in $(dirname "$out") (open $out in a browser)."
  exit 0
fi

# The window publishes the user's favorites folder, $HOME/Favorites. Without one, it
# runs on a copy of the sample tree so that there is something to publish.
if [ ! -d "$HOME/Favorites" ]; then
  demo_home="$root/build/demo-home"
  mkdir -p "$demo_home"
  rm -rf "$demo_home/Favorites"
  cp -r examples/Favorites "$demo_home/Favorites"
  echo "No $HOME/Favorites: showing the sample favorites from $demo_home/Favorites."
  export HOME="$demo_home"
fi
exec build/bin/favpage
