#!/usr/bin/env bash
# A long run of Skydesk connected to a faulty simulator (replies dropped, damaged and late): the
# page and the tabs change every 3 s, a telemetry recording runs (started again after each
# reconnection), and the simulator is unplugged and plugged in again every minute. Prints the
# memory and CPU each minute, the replugs and reconnections, and the recordings' rows against the
# time they recorded. Uses a virtual display when none is set; QT_QPA_PLATFORM=offscreen runs it
# without one.
#   bench/soak_gui.sh MINUTES [BUILD_DIR]
set -euo pipefail
MINUTES=${1:?usage: soak_gui.sh MINUTES [BUILD_DIR]}
BUILD=${2:-$(dirname "$0")/../build}
BIN=$(cd "$BUILD/bin" && pwd)
dir=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; wait 2>/dev/null; rm -rf "$dir"' EXIT

# Recordings, snapshots and settings of the run stay in its own folder; the update page's check
# goes nowhere.
export HOME=$dir XDG_DATA_HOME=$dir/data XDG_CONFIG_HOME=$dir/config XDG_CACHE_HOME=$dir/cache
export XDG_RUNTIME_DIR=$dir
export FCLINK_EXTRA_PORTS=$dir/fc KESTO_UPDATE_SERVER=127.0.0.1:9
# Debug lines off, and the update page's warning that its server does not answer, which it gives
# on every visit.
export QT_LOGGING_RULES=${QT_LOGGING_RULES:-*.debug=false;skydesk.update.warning=false}
mkdir -p "$dir/Documents"

faults=(--drop 0.03 --corrupt 0.03 --reply-delay 20 --seed "${SOAK_SEED:-$RANDOM}")
echo "== Skydesk against fcsim ${faults[*]}, unplugged every minute, for $MINUTES min"
run() { (cd "$BIN" && ./guisoak "$@"); }
if [ -z "${DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != offscreen ]; then
    run() { (cd "$BIN" && xvfb-run -a -s '-screen 0 1280x800x24' ./guisoak "$@"); }
fi
run "$BIN/fcsim" "$dir/fc" "$MINUTES" "${faults[@]}"
