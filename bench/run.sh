#!/usr/bin/env bash
# Builds and runs the benchmarks (Release) into build-bench/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh
dpkg-query -W -f='${Status}' libbenchmark-dev 2>/dev/null | grep -q "install ok installed" ||
    { apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq libbenchmark-dev >/dev/null; }
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DSKARNHOLT_BENCHMARKS=ON >/dev/null
cmake --build build-bench -j"$(nproc)" --target bench_database bench_armyview bench_club
build-bench/bench/bench_database "$@"
build-bench/bench/bench_armyview "$@"
build-bench/bench/bench_club
