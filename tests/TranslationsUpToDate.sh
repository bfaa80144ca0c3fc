#!/usr/bin/env bash
# translations/*.ts hold every text of the code and no other: lupdate run on the tree into a
# copy of them changes nothing, and the pseudo-language is made from the current texts. After
# a change of the texts, tools/update-translations brings the files up to date.
# Usage: TranslationsUpToDate.sh SOURCE_TREE [LUPDATE]
set -euo pipefail
root=$1
[ -n "${2:-}" ] && export LUPDATE=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/translations"
cp "$root"/translations/*.ts "$work/translations/"
"$root/tools/update-translations" --into "$work/translations"
if ! diff -ru "$root/translations" "$work/translations" >"$work/changes"; then
    head -n 40 "$work/changes"
    echo "FAIL: translations/*.ts are not up to date with the code: run tools/update-translations" >&2
    exit 1
fi
# No text is left for a translator to fill in.
if grep -l 'type="unfinished"' "$root"/translations/*.ts; then
    echo "FAIL: the files above have texts not yet translated" >&2
    exit 1
fi
echo "translations up to date: $(grep -c '<message>' "$root/translations/tessaron_qps.ts") texts"
