#!/usr/bin/env bash
# Draws every help document in the three languages into PNG files (bench/helpshots.cpp says which),
# offscreen, to look at them or to compare two builds picture by picture.
#   bench/help_shots.sh [BUILD_DIR] [OUTPUT_DIR]      (default: a new folder under /tmp)
set -euo pipefail
BUILD=${1:-$(dirname "$0")/../build}
BIN=$(cd "$BUILD/bin" && pwd)
OUT=${2:-$(mktemp -d /tmp/helpshots.XXXXXX)}
mkdir -p "$OUT"
OUT=$(cd "$OUT" && pwd)
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
# The history window lists the snapshots of the user's history: show an empty one instead; the
# language is set in a scratch settings file, not the user's.
export XDG_DATA_HOME="$dir/data" XDG_CACHE_HOME="$dir/cache" XDG_RUNTIME_DIR="$dir/runtime"
export XDG_CONFIG_HOME="$dir/config"
mkdir -m 0700 "$dir/runtime"
# The Info page asks the update server at start: ask a port where nothing answers.
export KESTO_UPDATE_SERVER=127.0.0.1:9 QT_LOGGING_RULES="skydesk.update=false;skydesk.pages.debug=false"
for language in en zh ge; do
    echo "== $language"
    (cd "$BIN" && QT_QPA_PLATFORM=offscreen ./helpshots "$OUT" "$language")
done
echo "pictures in $OUT"
