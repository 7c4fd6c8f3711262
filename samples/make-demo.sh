#!/bin/sh
# Rebuilds the demo trend set in samples/demo with the project's generator.
# Usage: samples/make-demo.sh [build folder]   (default: build)
set -e
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-"$here/../build"}
rm -rf "$here/demo"
"$build/tools/trendgen/curvescope-trendgen" --demo "$here/demo"
