#!/usr/bin/env bash
# Layers point down only: each folder of src/ may include its own headers and those of the
# folders listed for it, nothing above. The data layer and everything under the screens
# include no widget header either (their libraries do not link Qt Widgets).
set -euo pipefail
src=$(cd "$(dirname "$0")/../src" && pwd)

declare -A allowed=(
    [core]="core"
    [data]="data"
    [army]="core data army"
    [model]="core data army model"
    [export]="core data army model export"
    [cli]="core data army model export cli"
    [widgets]="core data army widgets"
    [controlbar]="core controlbar"
    [catalogue]="core data army model widgets controlbar catalogue"
    [editor]="core data army model export widgets catalogue editor"
    [battle]="core data army model export widgets editor battle"
    [app]="core data army model export widgets controlbar catalogue editor battle app"
)
no_widgets="core data army model export cli"

failures=0
for dir in "$src"/*/; do
    folder=$(basename "$dir")
    [[ -n ${allowed[$folder]+set} ]] || { echo "FAILED: src/$folder has no place among the layers"; failures=$((failures + 1)); continue; }
    while IFS= read -r line; do
        file=${line%%:*}
        target=$(sed -n 's/.*#include "\([a-z]*\)\/.*/\1/p' <<< "$line")
        [[ -z $target ]] && continue
        if [[ " ${allowed[$folder]} " != *" $target "* ]]; then
            echo "FAILED: ${file#"$src"/} includes $target/ (above $folder/)"
            failures=$((failures + 1))
        fi
    done < <(grep -H '#include "' "$dir"* 2>/dev/null || true)
    if [[ " $no_widgets " == *" $folder "* ]] &&
        grep -HE '#include <(QtWidgets/)?Q(Widget|Dialog|MessageBox|Application|TreeWidget|MainWindow|Menu|Label|LineEdit)\b' "$dir"* 2>/dev/null; then
        echo "FAILED: src/$folder/ includes a widget header"
        failures=$((failures + 1))
    fi
done
((failures == 0)) && echo "layers: every include points down"
exit $((failures > 0))
