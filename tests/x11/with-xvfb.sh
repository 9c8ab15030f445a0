#!/usr/bin/env bash
# Runs a test program on a private Xvfb display, so that it needs no display of its own.
#   with-xvfb.sh [--size WIDTHxHEIGHT] [--window-manager] PROGRAM [ARGS...]
# --window-manager runs it under openbox, as on a teacher's desktop.
set -euo pipefail
if [[ ${1:-} == --inside-openbox ]]; then
    shift
    openbox --sm-disable >/dev/null 2>&1 &
    wm=$!
    trap 'kill "$wm" 2>/dev/null || true' EXIT
    # Ready once it has put up its check window on the root.
    for _ in $(seq 200); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.05
    done
    "$@"
    exit
fi
size=1280x1024
inside=()
while [[ $# -gt 0 ]]; do
    case $1 in
        --size) size=$2; shift 2 ;;
        --window-manager) inside=("$0" --inside-openbox); shift ;;
        *) break ;;
    esac
done
exec xvfb-run -a -s "-screen 0 ${size}x24 -nolisten tcp" "${inside[@]}" "$@"
