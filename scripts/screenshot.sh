#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays a file of steps into a screenshot of SkarnholtDB on a fresh sample database, in a
# virtual 1400×900 screen with a window manager, so that the window opens maximised as on a
# desktop. The program runs in a home of its own: nothing of yours is read or touched.
#   scripts/screenshot.sh OUT.png STEPS [PROGRAM]
# STEPS holds one xdotool command a line ("key ctrl+n", "type Horde", "mousemove 64 404",
# "click 1"; its words split at blanks), "sleep SECONDS", blank lines and # comments.
# PROGRAM is build/skarnholtdb unless given; it speaks the language it is set to (./run.sh
# --french for the README's pictures). Installs Xvfb, xdotool, ImageMagick and Openbox when
# one is missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
(($# == 2 || $# == 3)) || { sed -n 3,11p "$0" >&2; exit 2; }
out=$(realpath -m "$1")
steps=$(realpath "$2")
program=$(realpath "${3:-$root/build/skarnholtdb}")
[[ -x $program ]] || { echo "screenshot: no program $program (scripts/build.sh builds it)" >&2; exit 1; }

"$root/scripts/install-packages.sh" xvfb xdotool imagemagick openbox

work=$(mktemp -d)
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A home of its own: its data source, database, settings and exports.
export HOME=$work/home
mkdir -p "$HOME"
unset ODBCINI XDG_DATA_HOME XDG_CONFIG_HOME XDG_CACHE_HOME XDG_RUNTIME_DIR QT_QPA_PLATFORM
"$root/scripts/setup-datasource.sh" >/dev/null

# The first free display, told by the server itself.
Xvfb -displayfd 3 -screen 0 1400x900x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in {1..100}; do [[ -s $work/display ]] && break; sleep 0.1; done
[[ -s $work/display ]] || { echo "screenshot: Xvfb did not start" >&2; exit 1; }
DISPLAY=:$(cat "$work/display")
export DISPLAY
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 0.5
(cd "$HOME" && exec "$program") >"$work/program.log" 2>&1 &
app=$!
pids=("$app" "${pids[@]}")
timeout 30 xdotool search --sync --onlyvisible --name SkarnholtDB >/dev/null ||
    { echo "screenshot: no window came up" >&2; cat "$work/program.log" >&2; exit 1; }
# Maximised, drawn, and its first paint done.
sleep 2

while IFS= read -r line || [[ -n $line ]]; do
    case $line in
        '' | '#'*) ;;
        'sleep '*) sleep "${line#sleep }" ;;
        *)
            read -ra words <<< "$line"
            xdotool "${words[@]}" ;;
    esac
done < "$steps"
sleep 0.5
kill -0 "$app" 2>/dev/null || { echo "screenshot: the program ended" >&2; cat "$work/program.log" >&2; exit 1; }
import -window root "$out"
echo "$out"
