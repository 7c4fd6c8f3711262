#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite under CTest.
# Tests run with the offscreen platform; the few that need a real display start their own Xvfb.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${CURVESCOPE_BUILD_DIR:-$root/build}"

bash "$root/scripts/setup.sh"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc 2>/dev/null || echo 2)" "$@"
