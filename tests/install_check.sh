#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs into a temporary prefix and checks the tree: the program, exactly the
# shipped landscapes and lessons (a stray file beside them stays out), the icon,
# metainfo and a desktop entry that validate, a manual page that renders and names
# the prefix's paths, the guide, and that the program starts in the landscapes
# folder, where every name of the file selector loads.
set -euo pipefail
build=$1
source=$(cd "$(dirname "$0")/.." && pwd)
prefix=$(mktemp -d)
# What a tutorial run would leave beside the shipped files.
strays=("$source/landscapes/stray-$$.csv" "$source/lessons/stray-$$.vezo")
# The install writes its manifest into the build folder: keep the one a real install left.
manifest="$build/install_manifest.txt"
[ -f "$manifest" ] && cp "$manifest" "$prefix.manifest"
restore() {
    rm -rf "$prefix" "${strays[@]}"
    if [ -f "$prefix.manifest" ]; then mv "$prefix.manifest" "$manifest"; else rm -f "$manifest"; fi
}
trap restore EXIT

touch "${strays[@]}"
cmake --install "$build" --prefix "$prefix" >/dev/null
test -x "$prefix/bin/vezo-vizoziv"
diff <(printf '%s\n' anicedampedsinusoid randomwalk twodissimilarpeaks twosimilarpeaks user) \
    <(ls "$prefix/share/vezo-vizoziv/landscapes")
diff <(printf '%s\n' deceptive-trap.vezo drift.vezo needle-bias.vezo schema-theorem.vezo tent-cliff.vezo wheel-rule.vezo) \
    <(ls "$prefix/share/vezo-vizoziv/lessons")
test -s "$prefix/share/icons/hicolor/scalable/apps/vezo-vizoziv.svg"
# The translations, found from the installed program.
diff <(printf '%s\n' vezo-vizoziv_de.qm vezo-vizoziv_en.qm vezo-vizoziv_es.qm vezo-vizoziv_fr.qm) \
    <(ls "$prefix/share/vezo-vizoziv/translations")
LANGUAGE=de "$prefix/bin/vezo-vizoziv" --help | grep -q '^Optionen:'
entry="$prefix/share/applications/vezo-vizoziv.desktop"
# Validators print hints too: any output at all counts as a finding.
test -z "$(desktop-file-validate "$entry")"
appstreamcli validate --no-net --pedantic "$prefix"/share/metainfo/*.metainfo.xml
# The manual page is there and renders without a warning.
page="$prefix/share/man/man1/vezo-vizoziv.1.gz"
test -z "$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)"
rendered=$(LC_ALL=C MANWIDTH=200 man -l "$page" 2>/dev/null)
grep -q -- '--headless' <<<"$rendered"
# It names the installed landscapes, lessons and guide of this prefix, and no other.
for path in share/vezo-vizoziv/landscapes share/vezo-vizoziv/lessons share/doc/vezo-vizoziv/guide.md; do
    grep -q "$prefix/$path" <<<"$rendered"
done
if grep -E '/usr/(local/)?share' <<<"$rendered"; then exit 1; fi
# The documentation the package carries.
test -s "$prefix/share/doc/vezo-vizoziv/copyright"
# The guide, with every picture it shows beside it.
guide="$prefix/share/doc/vezo-vizoziv/guide.md"
grep -o '([a-z-]*\.png)' "$guide" | tr -d '()' | sort -u | while read -r picture; do
    test -s "$prefix/share/doc/vezo-vizoziv/$picture"
done
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
# Every lesson opens.
VEZO_LESSONS="$prefix/share/vezo-vizoziv/lessons" QT_QPA_PLATFORM=offscreen \
    "$build/tests/tst_snapshot" shippedLessonsLoad >/dev/null
echo "installed tree in $prefix is complete"
