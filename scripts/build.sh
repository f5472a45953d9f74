#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds SkarnholtDB into build/ (the program is build/skarnholtdb).
set -euo pipefail
cd "$(dirname "$0")/.."
# SKARNHOLT_WERROR=ON (as in continuous integration) makes every warning an error.
cmake -S . -B build -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" \
    -DSKARNHOLT_WERROR="${SKARNHOLT_WERROR:-OFF}" >/dev/null
cmake --build build -j"$(nproc)"
