#!/usr/bin/env bash
# Start-up time of Skydesk's main window (less the splash pauses) and the memory of a connected,
# idle Skydesk, against the simulator. Uses a virtual display when none is set.
#   bench/startup_bench.sh [BUILD_DIR]
set -euo pipefail
BUILD=${1:-$(dirname "$0")/../build}
BIN=$(cd "$BUILD/bin" && pwd)
dir=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; wait 2>/dev/null; rm -rf "$dir"' EXIT

"$BIN/fcsim" --pty "$dir/fc" >"$dir/device" &
for _ in $(seq 50); do [ -s "$dir/device" ] && break; sleep 0.1; done

run() { (cd "$BIN" && ./startupbench "$@"); }
if [ -z "${DISPLAY:-}" ]; then
    run() { (cd "$BIN" && xvfb-run -a -s '-screen 0 1280x800x24' ./startupbench "$@"); }
fi
echo "== first start (cold caches)"
run
echo "== second start, then connected to fcsim"
run "$dir/fc"
