#!/usr/bin/env bash
# Installs the Debian package as a user installs it (dpkg -i), runs the installed programs' test
# against /usr, removes the package (dpkg -r) and checks that none of its files is left; then
# purges it, so that dpkg forgets it too.
#   install_package.sh PACKAGE.deb TEST_PROGRAM
set -euo pipefail
deb=$1
test_program=$2

if [ "$(id -u)" -ne 0 ]; then
    echo "SKIP: installing the package needs root (dpkg -i); run the package tests as root"
    exit 77
fi
name=$(dpkg-deb -f "$deb" Package)
if dpkg-query -W -f='${Status}' "$name" 2>/dev/null | grep -q 'ok installed'; then
    echo "$name is installed on this system already; remove it first (dpkg -r $name)" >&2
    exit 1
fi

# The package's files and folders; those that exist now (/usr, /usr/bin, ...) are shared.
mapfile -t paths < <(dpkg-deb -c "$deb" | awk '{ print $6 }' | sed -e 's|^\.||' -e 's|/$||' |
    grep -v '^$')
own=()
for path in "${paths[@]}"; do
    [ -e "$path" ] || [ -L "$path" ] || own+=("$path")
done

installed=0
remove() {
    if [ "$installed" -eq 1 ]; then
        dpkg -r "$name" >/dev/null
        installed=0
    fi
}
trap 'remove; dpkg --purge "$name" >/dev/null' EXIT

export DEBIAN_FRONTEND=noninteractive
dpkg -i "$deb"
installed=1
status=0
KESTO_INSTALLED_PREFIX=/usr "$test_program" || status=$?
remove

left=()
for path in "${own[@]}"; do
    if [ -e "$path" ] || [ -L "$path" ]; then left+=("$path"); fi
done
if [ ${#left[@]} -ne 0 ]; then
    printf 'left behind after dpkg -r:\n' >&2
    printf '  %s\n' "${left[@]}" >&2
    exit 1
fi
echo "installed, tested and removed $name (${#own[@]} files and folders of its own)"
exit "$status"
