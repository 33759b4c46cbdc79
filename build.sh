#!/usr/bin/env bash
# Builds and runs KESTO Tarvel 2 Assistant on Debian 12.
#   ./build.sh demo   install what is missing, build, run the assistant against the simulator
#   ./build.sh test   install what is missing, build, run every test suite through ctest, make
#                     the Debian package and test it (installed with dpkg when run as root)
#   ./build.sh build  install what is missing and build only
# The builds and test runs are the presets of CMakePresets.json: default (the normal build, Qt 5),
# qt6 (the same with Qt 6), ci and ci-qt6 (both with warnings as errors and quick to build), tsan
# (the suites with threads under ThreadSanitizer), asan (everything with Qt 6 under AddressSanitizer
# and UBSan) and fuzz (the fuzz targets). test runs ci, tsan, asan and fuzz: every suite runs on
# Qt 5 and on Qt 6. demo and build use Qt 5, or Qt 6 with KESTO_QT=6.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
cd "$ROOT"
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
export CTEST_PARALLEL_LEVEL=${CTEST_PARALLEL_LEVEL:-$(nproc)}

# --no-install-recommends keeps ModemManager out: it probes serial ports and would fight the
# assistant for the flight controller's port.
PACKAGES=(
    build-essential cmake ninja-build pkg-config
    qtbase5-dev libqt5serialport5-dev qttools5-dev qttools5-dev-tools
    libqt5svg5-dev
    qt6-base-dev qt6-serialport-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools qt6-tools-dev-tools
    libcurl4-openssl-dev
    clang libclang-rt-14-dev
    python3 python3-pyftpdlib
    xvfb xauth imagemagick fonts-wqy-microhei
    # The Debian package and the desktop files: manual pages, dependencies, checks.
    help2man dpkg-dev file lintian desktop-file-utils appstream
)

# demo and build use Qt 5 unless KESTO_QT=6 asks for Qt 6.
case "${KESTO_QT:-5}" in
5) BUILD_PRESET=default BUILD_TREE=build ;;
6) BUILD_PRESET=qt6 BUILD_TREE=build-qt6 ;;
*)
    echo "KESTO_QT must be 5 or 6, not '$KESTO_QT'" >&2
    exit 2
    ;;
esac

log() { printf '\n== %s\n' "$*"; }

install_missing() {
    local missing=()
    for pkg in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    log "Installing ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo -n)
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
}

build_only() {
    log "Building (preset $BUILD_PRESET, into $BUILD_TREE/)"
    cmake --preset "$BUILD_PRESET" >/dev/null
    cmake --build --preset "$BUILD_PRESET"
}

# Each workflow configures, builds and runs the tests of one tree.
run_workflows() {
    local preset
    # KESTO_FUZZ_SECONDS changes how long the fuzz test runs (60 s unless told).
    if [ -n "${KESTO_FUZZ_SECONDS:-}" ]; then
        cmake --preset fuzz -DKESTO_FUZZ_SECONDS="$KESTO_FUZZ_SECONDS" >/dev/null
    fi
    for preset in ci tsan asan fuzz; do
        log "Workflow $preset"
        cmake --workflow --preset "$preset"
        if [ "$preset" = ci ]; then
            # The package is made from the ci tree just built; installing it needs root.
            log "Debian package (from build-ci)"
            ctest --preset package-ci
        fi
    done
}

case "${1:-}" in
demo)
    install_missing
    build_only
    exec "$ROOT/tools/demo/demo.sh" "$ROOT/$BUILD_TREE/bin"
    ;;
test)
    install_missing
    run_workflows
    ;;
build)
    install_missing
    build_only
    ;;
*)
    echo "usage: $0 demo|test|build" >&2
    exit 2
    ;;
esac
