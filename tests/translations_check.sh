#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# lupdate reads the sources without a warning, and the translations are complete
# and up to date: run into scratch copies of translations/*.ts with the options
# of the target "translations", each copy must come out unchanged (no text new
# or vanished since) and no text may be unfinished.
#     tests/translations_check.sh LUPDATE SOURCE
set -euo pipefail
lupdate=$1
source=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
options=(-locations none -no-obsolete -no-ui-lines -extensions cpp,h)
cp "$source"/translations/*.ts "$scratch/"
cd "$source"
"$lupdate" "${options[@]}" src -ts "$scratch/vezo-vizoziv_en.ts" -pluralonly >/dev/null 2>"$scratch/warnings"
others=()
for file in "$scratch"/*.ts; do
    [ "$(basename "$file")" = vezo-vizoziv_en.ts ] || others+=("$file")
done
"$lupdate" "${options[@]}" src -ts "${others[@]}" >/dev/null 2>>"$scratch/warnings"
if [ -s "$scratch/warnings" ]; then
    echo "lupdate warns:"; cat "$scratch/warnings"; exit 1
fi
status=0
for file in "$scratch"/*.ts; do
    name=$(basename "$file")
    if ! diff -u "translations/$name" "$file"; then
        echo "translations/$name is not up to date: run 'make translations' and translate what is new"
        status=1
    fi
    if grep -q 'type="unfinished"' "$file"; then
        echo "translations/$name has unfinished texts"
        status=1
    fi
done
exit $status
