#!/usr/bin/env bash
# lintian on the package: an error fails the test; warnings and notes are shown.
#   lintian_package.sh PACKAGE.deb
set -euo pipefail
if ! command -v lintian >/dev/null; then
    echo "SKIP: lintian is not installed"
    exit 77
fi
lintian --fail-on error --tag-display-limit 0 --info "$1"
