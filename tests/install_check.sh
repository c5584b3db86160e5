#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs into a temporary prefix and checks the tree: the program, the
# landscapes, the icon, metainfo and a desktop entry that validate, a manual page
# that renders, and that the program starts in the landscapes folder, where every
# name of the file selector loads.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
# The install writes its manifest into the build folder: keep the one a real install left.
manifest="$build/install_manifest.txt"
[ -f "$manifest" ] && cp "$manifest" "$prefix.manifest"
restore() {
    rm -rf "$prefix"
    if [ -f "$prefix.manifest" ]; then mv "$prefix.manifest" "$manifest"; else rm -f "$manifest"; fi
}
trap restore EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
test -x "$prefix/bin/vezo-vizoziv"
# Every data file of the landscapes folder, and nothing else of it.
source=$(dirname "$0")/../landscapes
diff <(cd "$source" && ls | grep -v '\.py$') <(ls "$prefix/share/vezo-vizoziv/landscapes")
test -s "$prefix/share/icons/hicolor/scalable/apps/vezo-vizoziv.svg"
entry="$prefix/share/applications/vezo-vizoziv.desktop"
# Validators print hints too: any output at all counts as a finding.
test -z "$(desktop-file-validate "$entry")"
appstreamcli validate --no-net --pedantic "$prefix"/share/metainfo/*.metainfo.xml
# The manual page is there and renders without a warning.
page="$prefix/share/man/man1/vezo-vizoziv.1.gz"
test -z "$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)"
MANWIDTH=80 man -l "$page" 2>/dev/null | grep -q -- '--headless'
# The documentation the package carries.
test -s "$prefix/share/doc/vezo-vizoziv/copyright"
grep -qx "Path=$prefix/share/vezo-vizoziv/landscapes" "$entry"
grep -qx "Exec=$prefix/bin/vezo-vizoziv %f" "$entry"
grep -qx "MimeType=application/x-vezo-vizoziv-snapshot;" "$entry"
# The snapshot type builds into a MIME database without a complaint and claims *.vezo.
data="$prefix/mime-check"
mime="$data/mime"
mkdir -p "$mime/packages"
cp "$prefix/share/mime/packages/vezo-vizoziv.xml" "$mime/packages/"
test -z "$(XDG_DATA_DIRS="$data" update-mime-database "$mime" 2>&1)"
grep -qx "50:application/x-vezo-vizoziv-snapshot:\*.vezo" "$mime/globs2"
test -s "$mime/application/x-vezo-vizoziv-snapshot.xml"
rm -r "$data"
# Started from the entry's folder, the program comes up and keeps running.
status=0
(cd "$prefix/share/vezo-vizoziv/landscapes" &&
    XDG_CONFIG_HOME="$prefix/config" QT_QPA_PLATFORM=offscreen timeout 2 "$prefix/bin/vezo-vizoziv" >/dev/null 2>&1) || status=$?
test "$status" -eq 124
# Every name of the file selector loads there.
VEZO_LANDSCAPES="$prefix/share/vezo-vizoziv/landscapes" QT_QPA_PLATFORM=offscreen \
    "$build/tests/tst_environment" shippedLandscapesLoad >/dev/null
# Every lesson is there and opens.
diff <(ls "$source/../lessons") <(ls "$prefix/share/vezo-vizoziv/lessons")
VEZO_LESSONS="$prefix/share/vezo-vizoziv/lessons" QT_QPA_PLATFORM=offscreen \
    "$build/tests/tst_snapshot" shippedLessonsLoad >/dev/null
echo "installed tree in $prefix is complete"
