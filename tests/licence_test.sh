#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file names its licence in its first lines (after a #! or <?xml line), so that a
# file taken out of the project still says it; the full text is LICENSE. Lists the files that
# do not.
#   licence_test.sh SOURCE_DIR
set -euo pipefail
cd "$1"
source tests/check.sh
tag='SPDX-License-Identifier: GPL-3.0-or-later'

# In a checkout, the files git knows or would add (nothing it ignores, as build folders);
# else every file but the build folders.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    files=$(git ls-files --cached --others --exclude-standard)
else
    files=$(find . -path ./.git -prune -o -path './build*' -prune -o -type f -print | sed 's|^\./||')
fi
missing=()
while IFS= read -r file; do
    [[ -f $file ]] || continue
    case $file in
        *.cpp | *.h | *.ui | *.sh | *.cmake | CMakeLists.txt | */CMakeLists.txt | *.sql | *.in | *.1 | *.py) ;;
        *) [[ $(head -c 2 "$file") == '#!' ]] || continue ;;
    esac
    head -n 3 "$file" | grep -q "$tag" || missing+=("$file")
done <<< "$files"
((${#missing[@]} == 0)) || printf 'no licence line in %s\n' "${missing[@]}"
check "every source file names its licence" test ${#missing[@]} -eq 0
check "LICENSE is the GNU GPL version 3" grep -q "Version 3, 29 June 2007" LICENSE
finish
