#!/usr/bin/env bash
# The sensor scope's CPU cost against the simulator: Skydesk's main window on the tools page,
# connected, with the scope closed and then open on every channel over 60 s. Uses a virtual
# display when none is set.
#   bench/scope_bench.sh [BUILD_DIR] [SECONDS per phase, default 20]
set -euo pipefail
BUILD=${1:-$(dirname "$0")/../build}
SECONDS_PER_PHASE=${2:-20}
BIN=$(cd "$BUILD/bin" && pwd)
dir=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; wait 2>/dev/null; rm -rf "$dir"' EXIT

"$BIN/fcsim" --pty "$dir/fc" >"$dir/device" &
for _ in $(seq 50); do [ -s "$dir/device" ] && break; sleep 0.1; done

# A recording, if one is made, goes to a scratch home, the port the window saves when it closes
# to its configuration folder; the runtime folder holds the single-instance lock.
mkdir -p "$dir/home" "$dir/runtime"
chmod 700 "$dir/runtime"
export FCLINK_EXTRA_PORTS=$dir/fc HOME=$dir/home XDG_CONFIG_HOME=$dir/home/.config XDG_RUNTIME_DIR=$dir/runtime
run() { "$BIN/scopebench" "$dir/fc" "$SECONDS_PER_PHASE"; }
if [ -z "${DISPLAY:-}" ]; then
    run() { xvfb-run -a -s '-screen 0 1920x1080x24' "$BIN/scopebench" "$dir/fc" "$SECONDS_PER_PHASE"; }
fi
echo "== sensor scope against fcsim, ${SECONDS_PER_PHASE} s per phase"
run
