#!/usr/bin/env bash
# Every Welsh word the program shows, spell-checked with Debian's Welsh dictionary (aspell-cy).
# A word the dictionary lacks fails the test unless accepted-words.txt lists it.
#   spellcheck.sh ACCEPTED-WORDS FILE...
# Word lists (*.cy.txt) are read a word a line after their count; a bar parting n from g is
# not a letter.
set -euo pipefail
accepted=$1
shift
if ! aspell -l cy dump master >/dev/null 2>&1; then
    echo "aspell with its Welsh dictionary (aspell-cy) is not installed" >&2
    exit 1
fi
unknown=$(for f in "$@"; do tail -n +2 "$f"; done | tr -d '\r|' | tr ' ' '\n' |
    sed 's/[[:punct:]]//g' | grep -v '^$' | aspell -l cy --encoding=utf-8 list |
    sort -u | grep -ivxFf <(grep -v '^#' "$accepted" | grep -v '^$') || true)
if [[ -n "$unknown" ]]; then
    echo "Welsh words that neither aspell-cy nor $accepted knows:" >&2
    echo "$unknown" >&2
    exit 1
fi
echo "every Welsh word is known"
