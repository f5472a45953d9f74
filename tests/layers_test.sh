#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Layers point down only. The build refuses "folder/File.h" from a folder whose library does not
# link that folder's; this says so before a build, and catches what the compiler lets through:
# a relative path out of the folder ("../editor/X.h"), a project header in angle brackets, a
# Designer form's custom widget, and a widget header in a layer without widgets (Qt's include
# root is seen by every layer).
#   layers_test.sh FOLDER=SEEN,SEEN... ...   (from CMake: each folder and what it links)
set -euo pipefail
src=$(cd "$(dirname "$0")/../src" && pwd)

declare -A allowed=()
for layer in "$@"; do
    allowed[${layer%%=*}]=" ${layer#*=} "
    allowed[${layer%%=*}]=${allowed[${layer%%=*}]//,/ }
done
no_widgets="core data army model export cli"
project_headers=" $(cd "$src" && ls -- */*.h | xargs -n1 basename | tr '\n' ' ') "

failures=0
fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}

for dir in "$src"/*/; do
    folder=$(basename "$dir")
    if [[ -z ${allowed[$folder]+set} ]]; then
        fail "src/$folder has no place among the layers"
        continue
    fi
    while IFS= read -r line; do
        where=${line#"$src"/}
        where=${where%%:*}
        if [[ $line =~ \#[[:space:]]*include[[:space:]]*\"([^\"]*)\" ||
            $line =~ \<header\>([^\<]*)\</header\> ]]; then
            path=${BASH_REMATCH[1]}
            while [[ $path == ./* ]]; do path=${path#./}; done
            if [[ /$path/ == */../* ]]; then
                fail "$where includes $path, a relative path out of src/$folder/"
            elif [[ $path == */* && ${allowed[$folder]} != *" ${path%%/*} "* ]]; then
                fail "$where includes $path (above $folder/)"
            fi
        elif [[ $line =~ \#[[:space:]]*include[[:space:]]*\<([^\>]*)\> ]]; then
            path=${BASH_REMATCH[1]}
            if [[ -n ${allowed[${path%%/*}]+set} || $project_headers == *" $path "* ]]; then
                fail "$where includes the project's $path in angle brackets"
            fi
            if [[ " $no_widgets " == *" $folder "* &&
                $path =~ ^(QtWidgets|QtPrintSupport)(/|$)|^Q(Widget|Dialog|MessageBox|Application|TreeWidget|MainWindow|Menu|Label|LineEdit)$ ]]; then
                fail "$where includes the widget header $path"
            fi
        fi
    done < <(grep -HE '#[[:space:]]*include|<header>' "$dir"* 2>/dev/null || true)
done
((failures == 0)) && echo "layers: every include points down"
exit $((failures > 0))
