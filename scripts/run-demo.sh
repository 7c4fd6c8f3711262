#!/usr/bin/env bash
# Installs what is missing, builds, and opens the bundled demo trend set in the viewer.
# Without a display (a plain console or SSH session) the viewer runs on a private X server
# for a few seconds and a screenshot of it is saved to build/demo-screenshot.png.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${CURVESCOPE_BUILD_DIR:-$root/build}"

bash "$root/scripts/setup.sh"
demo="$root/samples/demo/speed.tlx"
viewer="$build/bin/curvescope"

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$viewer" "$demo"
fi

echo "No display found: running the viewer on a private X server and taking a screenshot."
shot="$build/demo-screenshot.png"
xvfb-run -a -s "-screen 0 1280x900x24" bash -c '
    "$1" "$2" &
    pid=$!
    sleep 4
    import -window root "$3"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
' _ "$viewer" "$demo" "$shot"
echo "Screenshot of the viewer with the demo set: $shot"
