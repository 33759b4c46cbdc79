#!/usr/bin/env bash
# Start-up time of Skydesk's main window (less the splash pauses), the memory of a connected,
# idle Skydesk against the simulator (RSS and PSS, and the largest mappings), and how fast the
# settings page's help panels show a document after a tab change or under the pointer. Uses a
# virtual display when none is set.
#   bench/startup_bench.sh [BUILD_DIR]
set -euo pipefail
BUILD=${1:-$(dirname "$0")/../build}
BIN=$(cd "$BUILD/bin" && pwd)
dir=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; wait 2>/dev/null; rm -rf "$dir"' EXIT
# The connection takes a snapshot into the configuration history, and the window saves its port
# when it closes: keep both out of the user's.
export XDG_DATA_HOME="$dir/data" XDG_CACHE_HOME="$dir/cache" XDG_RUNTIME_DIR="$dir/runtime"
export XDG_CONFIG_HOME="$dir/config"
mkdir -m 0700 "$dir/runtime"

"$BIN/fcsim" --pty "$dir/fc" >"$dir/device" &
for _ in $(seq 50); do [ -s "$dir/device" ] && break; sleep 0.1; done

run() { (cd "$BIN" && ./startupbench "$@"); }
if [ -z "${DISPLAY:-}" ]; then
    run() { (cd "$BIN" && xvfb-run -a -s '-screen 0 1280x800x24' ./startupbench "$@"); }
fi
echo "== first start (cold caches)"
run
echo "== second start, then connected to fcsim"
run --mappings "$dir/fc"
