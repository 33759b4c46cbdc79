#!/usr/bin/env bash
# The recording viewer on an 8-hour recording (140,000 rows at 4.8 cycles a second, 21 columns):
# the time to open it, the memory it takes against the file's size, the time of a redraw after a
# zoom or a move (with the default four channels and with all twenty), of a cursor move, and the
# CPU while nothing moves. Uses a virtual display when none is set.
#   bench/recording_bench.sh [BUILD_DIR] [ROWS]
set -euo pipefail
BUILD=${1:-$(dirname "$0")/../build}
ROWS=${2:-140000}
BIN=$(cd "$BUILD/bin" && pwd)
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
mkdir -m 0700 "$dir/runtime"
export XDG_RUNTIME_DIR=$dir/runtime XDG_CACHE_HOME=$dir/cache
run() { "$BIN/recordingbench" "$ROWS"; }
if [ -z "${DISPLAY:-}" ]; then
    run() { xvfb-run -a -s '-screen 0 1920x1080x24' "$BIN/recordingbench" "$ROWS"; }
fi
echo "== recording viewer, $ROWS rows"
(cd "$BIN" && run)
