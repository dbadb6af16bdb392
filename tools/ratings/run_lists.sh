#!/bin/sh
# Writes the top 100 names of each list in data/ratings/lists.tsv to OUT/Lnn.txt, one "name score" per line.
# usage: tools/ratings/run_lists.sh CLI OUT [extra generate options, e.g. --all]
set -e
cli=$1; out=$2; shift 2
here=$(dirname "$0")/../../data/ratings
mkdir -p "$out"
tail -n +2 "$here/lists.tsv" | while IFS="$(printf '\t')" read -r list args; do
    # shellcheck disable=SC2086
    "$cli" generate $args "$@" --format tsv > "$out/$list.raw"
    if head -1 "$out/$list.raw" | grep -q '^编号'; then
        tail -n +2 "$out/$list.raw" | head -100 | cut -f2,8 > "$out/$list.txt"
    else
        # classic mode: names separated by spaces, rows by empty lines
        tr -s ' \r\n' '\n\n\n' < "$out/$list.raw" | grep -v '^$' | head -100 > "$out/$list.txt"
    fi
done
