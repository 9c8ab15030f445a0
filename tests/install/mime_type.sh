#!/usr/bin/env bash
# The MIME type of a shared activity: update-mime-database reads its XML without a complaint
# (it reports faults only on its standard error), and the database it makes knows
# *.brindlemark as a kind of zip.
#   mime_type.sh <the MIME type's XML>
set -euo pipefail
xml=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "mime_type: $*" >&2; exit 1; }
type=application/x-brindlemark-activity

mkdir -p "$scratch/mime/packages"
cp "$xml" "$scratch/mime/packages/"
# The scratch folder is on the search path, so the tool has no note to give either.
XDG_DATA_HOME="$scratch" XDG_DATA_DIRS="$scratch" timeout 60 \
    update-mime-database "$scratch/mime" 2>"$scratch/err" || fail "update-mime-database failed"
[[ ! -s "$scratch/err" ]] || { cat "$scratch/err" >&2; fail "$xml has faults"; }
grep -q "^[0-9]*:$type:\*\.brindlemark\$" "$scratch/mime/globs2" || fail "no glob *.brindlemark"
grep -qx "$type application/zip" "$scratch/mime/subclasses" || fail "$type is not a kind of zip"
echo "mime_type: $type validates"
