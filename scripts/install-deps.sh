#!/usr/bin/env bash
# Installs the Debian packages listed in packages.txt that are not installed yet: all of them,
# or with --program only those the program's own build needs (the ones before [tests]).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [[ "${1:-}" == --program ]]; then
    list=$(sed '/^\[tests\]$/,$d' "$here/packages.txt")
else
    list=$(grep -vx '\[tests\]' "$here/packages.txt")
fi
mapfile -t wanted < <(grep -vE '^\s*(#|$)' <<<"$list")

missing=()
for pkg in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$pkg")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing missing packages: ${missing[*]}"
if [[ $(id -u) -eq 0 ]]; then
    run=()
elif command -v sudo >/dev/null 2>&1; then
    run=(sudo)
else
    echo "Cannot install packages: not running as root and sudo is not available." >&2
    echo "Please install these Debian packages yourself: ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${run[@]}" apt-get update -qq
"${run[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
