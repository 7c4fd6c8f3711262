#!/usr/bin/env bash
# Installs the Debian packages that CurveScope needs to build, test and package, but only those
# that are missing, then configures and builds into build/: every target, or only the targets
# named as arguments. Safe to run again: a second run with nothing changed installs nothing and
# rebuilds nothing.
#
#   scripts/setup.sh [TARGET...]
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${CURVESCOPE_BUILD_DIR:-$root/build}"

packages=(
    g++ cmake make pkg-config git
    qtbase5-dev qttools5-dev qttools5-dev-tools libqt5svg5-dev libqwt-qt5-dev libpoppler-qt5-dev
    qttranslations5-l10n
    xvfb xauth x11-utils x11-apps xdotool imagemagick
    desktop-file-utils libxml2-utils appstream dpkg-dev shared-mime-info file
    lintian
    fonts-dejavu-core fonts-wqy-microhei
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing missing packages: ${missing[*]}"
    if [ "$(id -u)" -ne 0 ]; then
        echo "Run as root (or install these packages yourself): ${missing[*]}" >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

jobs=$(nproc 2>/dev/null || echo 2)
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release
fi
targets=()
for target in "$@"; do
    targets+=(--target "$target")
done
cmake --build "$build" -j"$jobs" "${targets[@]}"
