#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the examples of a Markdown guide and compares what they print. An example
# is a ```console block: a line starting with "$ " is a command (a line ending in
# "\" goes on in the next), the lines after it up to the next command are what it
# prints, standard output and error together. The blocks run in order in one
# scratch folder that holds the shipped landscapes, with the program on PATH;
# the commands of a block share one shell.
set -uo pipefail
program=$1
guide=$2
landscapes=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/work" "$scratch/examples" "$scratch/home"
cp "$landscapes"/anicedampedsinusoid "$landscapes"/randomwalk "$landscapes"/twodissimilarpeaks \
   "$landscapes"/twosimilarpeaks "$landscapes"/user "$scratch/work/"
export PATH="$(cd "$(dirname "$program")" && pwd):$PATH" HOME="$scratch/home" \
       XDG_CONFIG_HOME="$scratch/home/.config" LC_ALL=C QT_QPA_PLATFORM=offscreen

# Each example i becomes i.command, i.expected and i.where (block and guide line).
awk -v out="$scratch/examples" '
    /^```console$/ { inside = 1; block++; next }
    inside && /^```$/ { inside = 0; going = 0; next }
    !inside { next }
    going { print > (out "/" n ".command"); going = /\\$/; next }
    /^\$ / { n++; sub(/^\$ /, ""); print > (out "/" n ".command"); printf "" > (out "/" n ".expected")
             print block, NR > (out "/" n ".where"); going = /\\$/; next }
    { print > (out "/" n ".expected") }
' "$guide"

count=$(ls "$scratch/examples" | grep -c '\.command$')
[ "$count" -gt 0 ] || { echo "no examples in $guide"; exit 1; }
failed=0
previous=0
script=""
run_block() {
    [ -n "$script" ] && (cd "$scratch/work" && bash -c "$script")
    script=""
}
for i in $(seq 1 "$count"); do
    read -r block line < "$scratch/examples/$i.where"
    [ "$block" != "$previous" ] && run_block
    previous=$block
    script+="{ $(cat "$scratch/examples/$i.command")
} > '$scratch/examples/$i.actual' 2>&1
"
done
run_block
for i in $(seq 1 "$count"); do
    read -r block line < "$scratch/examples/$i.where"
    if ! diff -u "$scratch/examples/$i.expected" "$scratch/examples/$i.actual" > "$scratch/diff"; then
        echo "$guide:$line: the example prints otherwise:"
        tail -n +3 "$scratch/diff"
        failed=1
    fi
done
[ "$failed" -eq 0 ] && echo "$count examples of $guide print what it shows"
exit "$failed"
