#!/usr/bin/env bash
# Link figures against the simulator on a pseudo-terminal: read and upload frames and times,
# telemetry rate, and the idle CPU of a connected `fctool telemetry`.
#   bench/link_bench.sh [BUILD_DIR] [extra fcsim arguments...]
set -euo pipefail
BUILD=${1:-$(dirname "$0")/../build}
shift || true
BIN=$BUILD/bin
dir=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; wait 2>/dev/null; rm -rf "$dir"' EXIT

"$BIN/fcsim" --pty "$dir/fc" "$@" >"$dir/device" &
for _ in $(seq 50); do [ -s "$dir/device" ] && break; sleep 0.1; done

echo "== link against fcsim $*"
"$BIN/linkbench" "$dir/fc" 5

echo "== idle CPU of a connected 'fctool telemetry' (10 s)"
"$BIN/fctool" telemetry --port "$dir/fc" >/dev/null &
tool=$!
sleep 3 # connect and read first
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
hz=$(getconf CLK_TCK)
t0=$(ticks $tool); s0=$(date +%s.%N)
sleep 10
t1=$(ticks $tool); s1=$(date +%s.%N)
kill -INT $tool; wait $tool 2>/dev/null || true
awk -v d=$((t1 - t0)) -v hz="$hz" -v s0="$s0" -v s1="$s1" \
    'BEGIN { printf "fctool telemetry CPU         %10.2f %% of one core\n", 100 * d / hz / (s1 - s0) }'
