#!/usr/bin/env bash
# Configures and builds SkarnholtDB into build/ (the program is build/skarnholtdb).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" >/dev/null
cmake --build build -j"$(nproc)"
