# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the shell tests: check DESCRIPTION COMMAND... counts and prints each result;
# finish prints the count and ends with failure when one failed.
failures=0
passes=0
check() {
    local what=$1; shift
    if "$@"; then echo "ok: $what"; passes=$((passes + 1)); else echo "FAILED: $what"; failures=$((failures + 1)); fi
}
finish() {
    echo "$passes passed, $failures failed"
    exit $((failures > 0))
}
