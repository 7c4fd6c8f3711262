#!/usr/bin/env bash
# Installs what is missing, builds the viewer with its language files (nothing else, so a first
# run is quick), and opens the bundled demo trend set in it. Without a display (a plain console
# or SSH session) the viewer runs on a private X server and a screenshot of its window is saved
# to build/demo-screenshot.png.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${CURVESCOPE_BUILD_DIR:-$root/build}"

bash "$root/scripts/setup.sh" curvescope
demo="$root/samples/demo/speed.tlx"
viewer="$build/bin/curvescope"

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$viewer" "$demo"
fi

echo "No display found: running the viewer on a private X server and taking a screenshot."
shot="$build/demo-screenshot.png"
xvfb-run -a -s "-screen 0 1280x900x24" bash -c '
    set -e
    # On this X server, whatever platform the calling environment asks for.
    QT_QPA_PLATFORM=xcb "$1" "$2" &
    pid=$!
    # The window alone, not the mostly black screen around it; it is named once it is mapped.
    window=$(timeout 30 xdotool search --sync --onlyvisible --name "^Orvanta Curve Scope$" | head -n 1)
    if [ -z "$window" ]; then
        echo "The viewer window did not appear." >&2
        kill "$pid"
        exit 1
    fi
    sleep 2
    import -window "$window" "$3"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
' _ "$viewer" "$demo" "$shot"
echo "Screenshot of the viewer with the demo set: $shot"
