#!/usr/bin/env bash
# Installs the Debian packages that building and testing favpage need, and only those
# that are missing; does nothing when everything is there.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  libgtest-dev libgmock-dev
  nlohmann-json3-dev libsqlite3-dev sqlite3
  qt6-base-dev qt6-webengine-dev qt6-translations-l10n
  fonts-ipafont-gothic
  dpkg-dev
  librsvg2-bin
  groff-base man-db bsdextrautils
)
[ "${FAVPAGE_WITH_QT:-ON}" = "OFF" ] && packages=(g++ cmake ninja-build pkg-config libgtest-dev libgmock-dev
  nlohmann-json3-dev libsqlite3-dev sqlite3 groff-base man-db bsdextrautils)
[ $# -gt 0 ] && packages+=("$@")

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  # A package whose triggers another install is still running is there all the same.
  case "$status" in
    "install ok installed" | "install ok triggers-pending" | "install ok triggers-awaited") ;;
    *) missing+=("$package") ;;
  esac
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
# Another apt run (unattended upgrades on a fresh machine) holds the lock for a while:
# wait for it rather than fail.
wait_for_lock=(-o DPkg::Lock::Timeout=600)
$sudo apt-get "${wait_for_lock[@]}" update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get "${wait_for_lock[@]}" install -y -qq "${missing[@]}"
