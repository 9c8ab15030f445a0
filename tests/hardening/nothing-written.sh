#!/usr/bin/env bash
# Runs the read-only walk (readonly_test.cpp) in a copy of the run folder mounted read-only,
# under strace, and fails on any call that changed a file anywhere: an open for writing or
# creating, a new folder or link, a rename, a removal, a change of size or of permissions
# (a folder made again where it exists already changes nothing: Qt does so for its runtime
# folder).
# Usage: nothing-written.sh TEST-PROGRAM RUN-FOLDER
set -euo pipefail
program=$1
run=$2
scratch=$(mktemp -d)
trap 'chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT
cp -r "$run" "$scratch/run"
mkdir "$scratch/runtime"
chmod 700 "$scratch/runtime"
trace="$scratch/trace"

export BRINDLEMARK_READONLY_DIR="$scratch/run" XDG_RUNTIME_DIR="$scratch/runtime"
export QT_QPA_PLATFORM=offscreen
walk=(strace -f -qq -o "$trace" -e trace=%file,ftruncate,fchmod,fchown
      "$program" --gtest_filter=ReadOnlyFolderTest.*)
# A mount of its own, read-only, where the system lets an unprivileged user have one (root
# would write through mere permission bits); elsewhere the folder loses its write bits.
if unshare -rm true 2>/dev/null; then
    unshare -rm bash -c 'mount --bind -o ro "$0" "$0" && exec "$@"' "$scratch/run" "${walk[@]}"
else
    chmod -R a-w "$scratch/run"
    "${walk[@]}"
fi

written=$(grep -E 'O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|^[0-9]+ +(creat|mkdir|mkdirat|rename|renameat2?|unlink|unlinkat|rmdir|link|linkat|symlink|symlinkat|truncate|ftruncate|chmod|fchmod|fchmodat|chown|fchown|fchownat|lchown|utimensat|mknod|mknodat)\(' "$trace" | grep -v '= -1 EEXIST' || true)
if [[ -n "$written" ]]; then
    echo "The walk changed files:"
    echo "$written"
    exit 1
fi
echo "Nothing written: $(wc -l < "$trace") file calls traced, none that changes a file."
