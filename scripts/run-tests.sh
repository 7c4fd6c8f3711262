#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite: CTest, the install and package
# checks, and the core library's tests once more built with AddressSanitizer and
# UndefinedBehaviorSanitizer in a second, small build folder (any finding fails the run).
# Tests run with the offscreen platform; the few that need a real display start their own Xvfb.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${CURVESCOPE_BUILD_DIR:-$root/build}"
sanitized="${CURVESCOPE_SANITIZER_BUILD_DIR:-$build-sanitizers}"
jobs=$(nproc 2>/dev/null || echo 2)

bash "$root/scripts/setup.sh"
(cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs" "$@")
if [ "$(uname -s)" = Linux ]; then
    bash "$root/scripts/check-install.sh" "$build"
fi

flags="-O1 -g -fno-omit-frame-pointer -fsanitize=address,undefined -fno-sanitize-recover=all"
if [ ! -f "$sanitized/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$sanitized" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS="$flags" \
        -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
        $(command -v ccache >/dev/null && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache) >/dev/null
fi
cmake --build "$sanitized" -j"$jobs" --target curvescope_core_tests
cd "$sanitized"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 ctest -L core --output-on-failure -j"$jobs"
# The toolkit's own caches of fonts and plugins live until exit: leaks are not looked for here.
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 ctest -L sanitized-gui --output-on-failure
