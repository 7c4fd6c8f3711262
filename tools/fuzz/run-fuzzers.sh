#!/bin/sh
# Builds the libFuzzer targets of the trend file readers and of the CSV cells with clang-14,
# AddressSanitizer and UndefinedBehaviorSanitizer, then runs each target for SECONDS (default 10),
# one after the other. The data reader targets abort when a reader disagrees with plain Qt
# reading, the CSV cell target when a cell differs from Qt's own formatting, so a crash is either
# a memory fault, undefined behaviour or a result that differs from Qt's.
#
#   tools/fuzz/run-fuzzers.sh [SECONDS] [TARGET...]
#
# Build output and the growing corpora go to $FUZZ_BUILD_DIR (default build-fuzz/ in the source
# tree, which git ignores); the small seed corpora live in tools/fuzz/seeds/. FUZZ_SKIP_BUILD=1
# reuses targets built before.
set -eu

seconds=${1:-10}
[ $# -gt 0 ] && shift
targets=${*:-configurationreader datafilereader_twocolumns datafilereader_threecolumns csvcells}

here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(cd "$here/../.." && pwd)
out=${FUZZ_BUILD_DIR:-$source_dir/build-fuzz}
cxx=${CXX:-clang++-14}
mkdir -p "$out"

# Small scanner blocks make short inputs cross block boundaries and long-line growth.
flags="-std=c++17 -g -O1 -fPIC -pthread -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined
    -DCURVESCOPE_SCANNER_BLOCK_SIZE=64 -I$source_dir/src/trendfiles -I$source_dir/src/export -I$here
    -I$source_dir/tests/oracles"
qt=$(pkg-config --cflags --libs Qt5Core)

for target in $targets; do
    [ "${FUZZ_SKIP_BUILD:-0}" = 1 ] && [ -x "$out/fuzz_$target" ] && continue
    echo "== building fuzz_$target"
    case $target in
    csvcells)
        sources="$source_dir/src/export/CsvCellFormatter.cpp $source_dir/src/export/CsvOutputBuffer.cpp
            $source_dir/src/export/LocalTimeOffsetCache.cpp" ;;
    *) sources=$(echo "$source_dir"/src/trendfiles/*.cpp) ;;
    esac
    # shellcheck disable=SC2086
    $cxx $flags "$here/fuzz_$target.cpp" $sources $qt -o "$out/fuzz_$target"
done

for target in $targets; do
    echo "== running fuzz_$target for $seconds s"
    mkdir -p "$out/corpus/$target"
    # Inputs of every length up to max_len from the start: libFuzzer otherwise raises its length
    # limit only slowly from the longest seed and spends a whole run below 16 KB.
    "$out/fuzz_$target" -max_total_time="$seconds" -max_len=40000 -len_control=0 -rss_limit_mb=2048 \
        -timeout=20 -print_final_stats=1 -artifact_prefix="$out/" \
        "$out/corpus/$target" "$here/seeds/$target"
done
