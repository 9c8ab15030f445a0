#!/usr/bin/env bash
# Runs the read-only walk (ReadOnlyFolderTest in hardening_test.cpp), and then the program
# itself for a few seconds from its start, in a copy of the run folder mounted read-only,
# under strace, and fails on any call that changed a file anywhere: an open for writing or
# creating, a new folder or link, a rename, a removal, a change of size or of permissions
# (a folder made again where it exists already changes nothing: Qt does so for its runtime
# folder; nor does opening /dev/null to write, as the session bus's launcher does).
# The one file the pupils' program ever writes, brindlemark.conf in the user's settings, is
# written only when a teacher chooses a language on the main screen, which neither does.
# Usage: nothing-written.sh TEST-PROGRAM RUN-FOLDER BRINDLEMARK
set -euo pipefail
program=$1
run=$2
brindlemark=$3
scratch=$(mktemp -d)
trap 'chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT
cp -r "$run" "$scratch/run"
mkdir "$scratch/runtime"
chmod 700 "$scratch/runtime"
trace="$scratch/trace"

export BRINDLEMARK_READONLY_DIR="$scratch/run" XDG_RUNTIME_DIR="$scratch/runtime"
export QT_QPA_PLATFORM=offscreen
# The walk, then the program's own start (its font configuration, its threads), which the walk
# does not go through; the program runs until timeout ends it (status 124).
cat >"$scratch/walk.sh" <<'WALK'
strace -f -qq -o "$1" -e trace=%file,ftruncate,fchmod,fchown \
    "$2" --gtest_filter=ReadOnlyFolderTest.* || exit 1
cd "$BRINDLEMARK_READONLY_DIR" || exit 1
strace -f -qq -o "$1.start" -e trace=%file,ftruncate,fchmod,fchown timeout 3 "$3"
[[ $? == 124 ]]
WALK
walk=(bash "$scratch/walk.sh" "$trace" "$program" "$brindlemark")
# A mount of its own, read-only, where the system lets an unprivileged user have one (root
# would write through mere permission bits); elsewhere the folder loses its write bits.
if unshare -rm true 2>/dev/null; then
    unshare -rm bash -c 'mount --bind -o ro "$0" "$0" && exec "$@"' "$scratch/run" "${walk[@]}"
else
    chmod -R a-w "$scratch/run"
    "${walk[@]}"
fi
cat "$trace.start" >>"$trace"

written=$(grep -E 'O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|^[0-9]+ +(creat|mkdir|mkdirat|rename|renameat2?|unlink|unlinkat|rmdir|link|linkat|symlink|symlinkat|truncate|ftruncate|chmod|fchmod|fchmodat|chown|fchown|fchownat|lchown|utimensat|mknod|mknodat)\(' "$trace" |
    grep -v -e '= -1 EEXIST' -e '"/dev/null"' || true)
if [[ -n "$written" ]]; then
    echo "The walk changed files:"
    echo "$written"
    exit 1
fi
echo "Nothing written: $(wc -l < "$trace") file calls traced, none that changes a file."
