#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every option that --help lists is in the manual page.
set -euo pipefail
program=$1
page=$2
rendered=$(LC_ALL=C MANWIDTH=200 man -l "$page" 2>/dev/null)
options=$("$program" --help | grep -oE '^ +(-[a-z], )?--[a-z-]+' | grep -oE -- '--?[a-z-]+')
[ -n "$options" ]
missing=0
for option in $options; do
    if ! grep -qE -- "(^|[^a-z-])$option([^a-z-]|$)" <<<"$rendered"; then
        echo "the manual page lacks $option"
        missing=1
    fi
done
exit "$missing"
