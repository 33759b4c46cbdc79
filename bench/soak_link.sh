#!/usr/bin/env bash
# A long run of fctool against the simulator on a faulty line (replies dropped, damaged and late,
# all at once): a loop of set-with-verify of a random field to a random value it may take, each
# followed by a full read. Every read is compared with the block the simulator holds (its dump
# file): a value that differs was accepted from a damaged reply. Every edit that set reported done
# must be in the controller from then on, until the next edit of that field: one that is not was
# lost. Prints the cycles, the sets and reads that failed (and said so), wrong bytes accepted and
# edits lost (both must be 0), fctool's peak memory in the first and last cycle and the
# simulator's memory after the first minute and at the end.
#   bench/soak_link.sh MINUTES [BUILD_DIR]    (SOAK_SEED=N repeats a run's faults and edits)
set -euo pipefail
MINUTES=${1:?usage: soak_link.sh MINUTES [BUILD_DIR]}
BUILD=${2:-$(dirname "$0")/../build}
BIN=$(cd "$BUILD/bin" && pwd)
dir=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; wait 2>/dev/null; rm -rf "$dir"' EXIT
export XDG_DATA_HOME=$dir/data XDG_RUNTIME_DIR=$dir

seed=${SOAK_SEED:-$RANDOM}
faults=(--drop 0.05 --corrupt 0.05 --reply-delay 30 --seed "$seed")
"$BIN/fcsim" --pty "$dir/fc" --dump "$dir/controller.conf" "${faults[@]}" >"$dir/device" &
sim=$!
for _ in $(seq 50); do [ -s "$dir/device" ] && break; sleep 0.1; done
echo "== fctool against fcsim ${faults[*]} for $MINUTES min"

# Each field's name, size in bytes, and the values set may give it: a range, or its choices.
"$BIN/fctool" describe | awk '{
    size = ($3 ~ /16$/) ? 2 : 1; range = ""; codes = ""
    for (i = 2; i <= NF; i++) if ($i ~ /^range=/) range = substr($i, 7)
    if (match($0, / choices=.* caption=/)) {
        n = split(substr($0, RSTART + 9, RLENGTH - 18), parts, "\",")
        for (i = 1; i <= n; i++) { split(parts[i], kv, "="); codes = codes (i > 1 ? "," : "") kv[1] }
    }
    split(range, r, "\\.\\.")
    print $1, size, r[1], r[2], codes
}' >"$dir/fields"

# A parameter file of zeros: comparing a read with it lists every field's raw value.
"$BIN/fctool" read --port "$dir/fc" --timeout 30 --out "$dir/before.conf"
sed 's/=.*/=0/; s/^\[General\]=0$/[General]/' "$dir/before.conf" >"$dir/zero.conf"

rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"; }
values_of() { # FILE: "Name raw" for every field that is not zero
    "$BIN/fctool" diff "$1" "$dir/zero.conf" | sed -n 's/^\([^:]*\): \(-\?[0-9]*\) -> 0$/\1 \2/p' || true
}
byte_differences() { # SIZE A B: how many of the field's bytes differ
    awk -v s="$1" -v a="$2" -v b="$3" 'BEGIN { n = 0
        for (i = 0; i < s; i++) { if (int((a + 65536) / 256 ^ i) % 256 != int((b + 65536) / 256 ^ i) % 256) n++ }
        print n }'
}

declare -A expected size
while read -r name bytes _; do size[$name]=$bytes; done <"$dir/fields"
cycles=0 sets_failed=0 reads_failed=0 wrong=0 lost=0 sim_rss_first=""
tool_rss_first="" tool_rss_last=""
start=$(date +%s)
end=$((start + MINUTES * 60))
while [ "$(date +%s)" -lt "$end" ]; do
    cycles=$((cycles + 1))
    read -r name value < <(awk -v seed="$seed" -v cycle="$cycles" 'BEGIN { srand(seed * 100003 + cycle) }
        { line[NR] = $0 } END {
        split(line[int(rand() * NR) + 1], f, " ")
        if (f[5] != "") { n = split(f[5], c, ","); v = c[int(rand() * n) + 1] }
        else v = f[3] + int(rand() * (f[4] - f[3] + 1))
        print f[1], v }' "$dir/fields")

    if /usr/bin/time -f %M -o "$dir/rss" "$BIN/fctool" set --port "$dir/fc" --timeout 30 \
        "$name=$value" >"$dir/set.out" 2>&1; then
        expected[$name]=$value
    else
        sets_failed=$((sets_failed + 1))
        unset "expected[$name]" # said to have failed: the field may hold either value
        echo "cycle $cycles: set $name=$value failed: $(tail -1 "$dir/set.out")"
    fi
    tool_rss_last=$(cat "$dir/rss")
    [ -n "$tool_rss_first" ] || tool_rss_first=$tool_rss_last

    if ! "$BIN/fctool" read --port "$dir/fc" --timeout 30 --out "$dir/now.conf" \
        >"$dir/read.out" 2>&1; then
        reads_failed=$((reads_failed + 1))
        echo "cycle $cycles: read failed: $(tail -1 "$dir/read.out")"
        continue
    fi
    # What the tool read against what the controller holds.
    while read -r field a _ b; do
        n=$(byte_differences "${size[$field]}" "$a" "$b")
        wrong=$((wrong + n))
        echo "cycle $cycles: read $field=$a, the controller holds $b"
    done < <("$BIN/fctool" diff "$dir/now.conf" "$dir/controller.conf" | tr -d ':' || true)
    # Every edit reported done is still there.
    declare -A held=()
    while read -r field raw; do held[$field]=$raw; done < <(values_of "$dir/now.conf")
    for field in "${!expected[@]}"; do
        want=${expected[$field]} have=${held[$field]:-0}
        mask=$((${size[$field]} == 2 ? 65535 : 255))
        if [ $(((want - have) & mask)) -ne 0 ]; then
            lost=$((lost + 1))
            echo "cycle $cycles: edit $field=$want lost, the controller holds $have"
            unset "expected[$field]"
        fi
    done
    unset held
    if [ -z "$sim_rss_first" ] && [ $(($(date +%s) - start)) -ge 60 ]; then
        sim_rss_first=$(rss_kb "$sim")
    fi
done
sim_rss_last=$(rss_kb "$sim")

printf '%-34s %8d\n' "cycles (set, then read)" "$cycles" \
    "sets that failed (and said so)" "$sets_failed" \
    "reads that failed (and said so)" "$reads_failed" \
    "wrong bytes accepted" "$wrong" \
    "edits lost" "$lost"
printf '%-34s %8s kB\n' "fctool peak RSS, first cycle" "$tool_rss_first" \
    "fctool peak RSS, last cycle" "$tool_rss_last" \
    "fcsim RSS after the first minute" "${sim_rss_first:-n/a}" \
    "fcsim RSS at the end" "$sim_rss_last"
