#!/usr/bin/env bash
# The CPU of the connected, idle Skydesk with each page shown (Setting, Tool, Info, Internal),
# against the simulator. Uses a virtual display when none is set.
#   bench/page_cpu_bench.sh [BUILD_DIR] [SECONDS]   (default 20 s per page)
set -euo pipefail
BUILD=${1:-$(dirname "$0")/../build}
SECONDS_PER_PAGE=${2:-20}
BIN=$(cd "$BUILD/bin" && pwd)
dir=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; wait 2>/dev/null; rm -rf "$dir"' EXIT
# The window saves its port when it closes, and the connection takes a snapshot: into scratch
# folders, not the user's.
export XDG_CONFIG_HOME="$dir/config" XDG_DATA_HOME="$dir/data"

"$BIN/fcsim" --pty "$dir/fc" >"$dir/device" &
for _ in $(seq 50); do [ -s "$dir/device" ] && break; sleep 0.1; done

run() { (cd "$BIN" && ./pagecpubench "$@"); }
if [ -z "${DISPLAY:-}" ]; then
    run() { (cd "$BIN" && xvfb-run -a -s '-screen 0 1280x800x24' ./pagecpubench "$@"); }
fi
echo "== CPU of the connected, idle program per page shown (${SECONDS_PER_PAGE} s each)"
run "$dir/fc" "$SECONDS_PER_PAGE"
