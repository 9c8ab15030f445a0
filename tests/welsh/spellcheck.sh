#!/usr/bin/env bash
# Every Welsh word the program shows, spell-checked with Debian's Welsh dictionary (aspell-cy).
# A word the dictionary lacks fails the test unless accepted-words.txt lists it.
#   spellcheck.sh ACCEPTED-WORDS FILE...
# Word lists (*.cy.txt) are read a word a line after their count; a bar parting n from g is
# not a letter. Of an activity's translation (*.cy.toml) only the Welsh texts are read, right
# of each =, and of a Qt translation (*_cy.ts) only its <translation> texts.
set -euo pipefail
accepted=$1
shift
if ! aspell -l cy dump master >/dev/null 2>&1; then
    echo "aspell with its Welsh dictionary (aspell-cy) is not installed" >&2
    exit 1
fi
texts() {
    case $1 in
    *.toml)
        sed -nE 's/^"([^"\\]|\\.)*"[[:space:]]*=[[:space:]]*"(([^"\\]|\\.)*)"[[:space:]]*$/\2/p' "$1" |
            sed 's/\\"/"/g' ;;
    *.ts)
        sed -n 's/.*<translation[^>]*>\(.*\)<\/translation>.*/\1/p' "$1" |
            sed "s/&amp;/\&/g; s/&apos;/'/g; s/&quot;/\"/g; s/&lt;/</g; s/&gt;/>/g" ;;
    *) tail -n +2 "$1" ;;
    esac
}
# The forms a word may stand for: itself, and the word it may be a mutation of ("fagnet",
# "thraw", "mhobman") or a plural of, so that the dictionary's and the accepted words' roots serve.
roots() {
    local w=$1 s
    echo "$w $w"
    # and a plural's singular ("magnetau", "ynysyddion")
    for s in iau au ion on i; do [[ $w == ?*$s ]] && echo "$w ${w%$s}"; done
    case $w in
    ngh*) echo "$w c${w:3}" ;; mh*) echo "$w p${w:2}" ;; nh*) echo "$w t${w:2}" ;;
    ng*) echo "$w g${w:2}" ;; ph*) echo "$w p${w:2}" ;; th*) echo "$w t${w:2}" ;;
    ch*) echo "$w c${w:2}" ;; dd*) echo "$w d${w:2}" ;; ll* | rh*) ;;
    b*) echo "$w p${w:1}" ;; d*) echo "$w t${w:1}" ;; g*) echo "$w c${w:1}" ;;
    f*) echo "$w b${w:1}"; echo "$w m${w:1}" ;; l*) echo "$w l$w" ;; r*) echo "$w rh${w:1}" ;;
    m*) echo "$w b${w:1}" ;; n*) echo "$w d${w:1}" ;; h*) echo "$w ${w:1}" ;;
    esac
    echo "$w g$w"
}
# A word is split at an apostrophe or a hyphen ("i'w", "pen-glin"); numbers and placeholders
# (%1) are no words.
words=$(for f in "$@"; do texts "$f"; done | tr -d '\r|' | tr " '’\t-" '\n\n\n\n\n' |
    sed 's/[[:punct:]]//g' | { grep -v -e '[0-9]' -e '^.\?$' || true; } |
    tr '[:upper:]' '[:lower:]' | sort -u)
pairs=$(for w in $words; do roots "$w"; done)
known=$( (cut -d' ' -f2 <<<"$pairs" | sort -u | aspell -l cy --encoding=utf-8 list |
    sort -u | grep -vxFf <(grep -v '^#' "$accepted" | grep -v '^$') || true) |
    sort -u | comm -23 <(cut -d' ' -f2 <<<"$pairs" | sort -u) -)
unknown=$(comm -23 <(echo "$words") <(grep -wFf <(echo "$known") <<<"$pairs" |
    awk 'NR == FNR { k[$1]; next } $2 in k { print $1 }' <(echo "$known") - | sort -u))
if [[ -n "$unknown" ]]; then
    echo "Welsh words that neither aspell-cy nor $accepted knows:" >&2
    echo "$unknown" >&2
    exit 1
fi
echo "every Welsh word is known"
