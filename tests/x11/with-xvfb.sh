#!/usr/bin/env bash
# Runs a test program on a private Xvfb display, so that it needs no display of its own.
set -euo pipefail
exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$@"
