#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes every picture of docs/ anew: each on its own Xvfb screen of a fixed size
# with openbox, from the shipped landscapes, with settings of its own (a fresh
# HOME), so nothing of the user's leaks in.
#     tools/make-pictures.sh PROGRAM DOCS [NAME...]
# With names, only those pictures; PICTURES_DISPLAY chooses the X display (:97).
set -euo pipefail
driver=$(realpath "$1")
docs=$(realpath "$2")
shift 2
only=" $* "
landscapes=$(realpath "$(dirname "$0")/../landscapes")

# name, then the screen it is made on and, for some, the locale (C.UTF-8 by default)
pictures=(
    "window 1280x720"
    "window-de 2048x1152 de_DE.UTF-8"
    "running 1280x720"
    "observatory 1280x720"
    "observatory-zoomed 1366x768"
    "observatory-200 1280x720"
    "generation 1280x720"
    "schemata 1280x720"
    "editor 1280x720"
    "experiment 1280x720"
    "lesson 1280x720"
)

display=${PICTURES_DISPLAY:-:97}
home=$(mktemp -d)
server=""
manager=""
stop() {
    [ -n "$manager" ] && kill "$manager" 2>/dev/null && wait "$manager" 2>/dev/null
    [ -n "$server" ] && kill "$server" 2>/dev/null && wait "$server" 2>/dev/null
    manager=""
    server=""
}
trap 'stop; rm -rf "$home"' EXIT

for picture in "${pictures[@]}"; do
    read -r name screen locale <<<"$picture"
    [ "$only" = "  " ] || [[ "$only" == *" $name "* ]] || continue
    rm -rf "$home"/* "$home"/.[!.]*
    Xvfb "$display" -screen 0 "${screen}x24" -dpi 96 -nolisten tcp >/dev/null 2>&1 &
    server=$!
    for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
    DISPLAY=$display HOME=$home openbox >/dev/null 2>&1 &
    manager=$!
    sleep 1
    (cd "$landscapes" && env -i PATH="$PATH" DISPLAY="$display" HOME="$home" XDG_CONFIG_HOME="$home/.config" \
        XDG_RUNTIME_DIR="$home" LANG="${locale:-C.UTF-8}" QT_QPA_PLATFORM=xcb "$driver" "$name" "$docs/$name.png")
    stop
    echo "made $docs/$name.png ($screen)"
done
