#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SkarnholtDB read through the desktop's accessibility bus, in French and in English: for each
# language the program stands in a folder of its own (with the English module beside it for
# English), on a fresh sample database in a home of its own, in a virtual screen with a window
# manager and a private D-Bus session, and accessibility_walk.py drives it by keys and reads it.
#   accessibility_test.sh PROGRAM ENGLISH_MODULE
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
program=$(realpath "$1")
module=$(realpath "$2")
source "$here/check.sh"

# Beside the program, so that a copy is a link rather than 30 MB.
work=$(mktemp -d "$(dirname "$program")/accessibility.XXXXXX")
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
unset QT_QPA_PLATFORM ODBCINI XDG_DATA_HOME XDG_CONFIG_HOME XDG_CACHE_HOME XDG_RUNTIME_DIR \
    DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
export LANG=C.UTF-8 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

Xvfb -displayfd 3 -screen 0 1400x900x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in {1..100}; do [[ -s $work/display ]] && break; sleep 0.1; done
[[ -s $work/display ]] || { echo "accessibility: Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(cat "$work/display")
# Dialogs get the keyboard focus as on a desktop.
openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)

# What it read, with the bus's own chatter, is shown when it fails.
read_aloud() {
    timeout 150 dbus-run-session -- /usr/bin/python3 "$here/accessibility_walk.py" "$@" \
        >"$HOME/read.log" 2>&1 || { grep -v '^$' "$HOME/read.log"; return 1; }
}

for language in ${LANGUAGES:-fr en}; do
    export HOME=$work/$language
    mkdir -p "$HOME/program"
    ln "$program" "$HOME/program/" 2>/dev/null || cp "$program" "$HOME/program/"
    [[ $language == fr ]] || cp "$module" "$HOME/program/"
    "$root/scripts/setup-datasource.sh" >/dev/null
    check "every control named, the army read aloud, all reached by keys ($language)" \
        read_aloud "$HOME/program/$(basename "$program")" "$language"
done
finish
