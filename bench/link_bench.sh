#!/usr/bin/env bash
# Link figures against the simulator on a pseudo-terminal: read, upload and verification frames
# and times, telemetry rate and recovery after a silence, on a clean line and on one whose
# replies come 80 ms late (slower than one request period), then the idle CPU of a connected
# `fctool telemetry`.
#   bench/link_bench.sh [BUILD_DIR] [extra fcsim arguments for a third run...]
set -euo pipefail
BUILD=${1:-$(dirname "$0")/../build}
shift || true
BIN=$BUILD/bin
dir=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; wait 2>/dev/null; rm -rf "$dir"' EXIT

start_simulator() { # fcsim arguments...
    rm -f "$dir/device"
    "$BIN/fcsim" --pty "$dir/fc" "$@" >"$dir/device" &
    sim=$!
    for _ in $(seq 50); do [ -s "$dir/device" ] && break; sleep 0.1; done
}

bench_link() { # fcsim arguments...
    start_simulator "$@"
    echo "== link against fcsim $*"
    "$BIN/linkbench" "$dir/fc" 5 "$sim"
    kill "$sim"
    wait "$sim" 2>/dev/null || true
}

bench_link
bench_link --reply-delay 80
if [ $# -gt 0 ]; then bench_link "$@"; fi

# The controller stops reading for 3 s and the line pushes back: the requests after the stall
# must keep their period instead of bursting the frames held up meanwhile.
echo "== request spacing after a 3 s stall (fcsim --stall-after 1500 --stall-for 3000)"
start_simulator --stall-after 1500 --stall-for 3000 --log "$dir/stall.log"
"$BIN/fctool" telemetry --port "$dir/fc" --count 60 --timeout 20 >/dev/null 2>&1 || true
kill "$sim"
wait "$sim" 2>/dev/null || true
awk '/^[0-9]+ cmd=/ { t = $1; if (t >= 4600 && prev >= 4600) { gap = t - prev; n++; sum += gap;
         if (min == "" || gap < min) min = gap; if (gap < 10) burst++ } prev = t }
     END { printf "%-28s %10d\n%-28s %10.1f ms\n%-28s %10d ms\n%-28s %10d\n",
           "requests after the stall", n + 1, "mean gap", (n ? sum / n : 0),
           "shortest gap", min, "gaps under 10 ms", burst }' "$dir/stall.log"

start_simulator
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
