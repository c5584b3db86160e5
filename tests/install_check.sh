#!/usr/bin/env bash
# Installs into a temporary prefix and checks the tree: the program, the five
# landscapes, the icon, and a desktop entry that validates and starts in the
# landscapes folder, where every name of the file selector loads.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
test -x "$prefix/bin/vezo-vizoziv"
for name in anicedampedsinusoid randomwalk twosimilarpeaks twodissimilarpeaks user; do
    test "$(wc -w < "$prefix/share/vezo-vizoziv/landscapes/$name")" -eq 512
done
test -s "$prefix/share/icons/hicolor/scalable/apps/vezo-vizoziv.svg"
entry="$prefix/share/applications/vezo-vizoziv.desktop"
desktop-file-validate "$entry"
grep -qx "Path=$prefix/share/vezo-vizoziv/landscapes" "$entry"
grep -qx "Exec=$prefix/bin/vezo-vizoziv" "$entry"
# Started from the entry's folder, the program comes up and keeps running.
status=0
(cd "$prefix/share/vezo-vizoziv/landscapes" &&
    QT_QPA_PLATFORM=offscreen timeout 2 "$prefix/bin/vezo-vizoziv" >/dev/null 2>&1) || status=$?
test "$status" -eq 124
# Every name of the file selector loads there.
VEZO_LANDSCAPES="$prefix/share/vezo-vizoziv/landscapes" QT_QPA_PLATFORM=offscreen \
    "$build/tests/tst_environment" shippedLandscapesLoad >/dev/null
echo "installed tree in $prefix is complete"
