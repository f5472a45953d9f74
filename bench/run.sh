#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks (Release) into build-bench/ and runs bench_floor, which prints the
# program's times against the floor's and their ratios. --all runs the older benchmarks and
# the club load check first. --club-latency runs bench_latency alone instead: round trips to
# a PostgreSQL club server at 0, 2 and 10 ms (other arguments go to it, e.g. --statements).
# Other arguments go to bench_floor (Google Benchmark flags).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh
dpkg-query -W -f='${Status}' libbenchmark-dev 2>/dev/null | grep -q "install ok installed" ||
    { apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq libbenchmark-dev >/dev/null; }
all=0
latency=0
args=()
for arg in "$@"; do
    case "$arg" in
    --all) all=1 ;;
    --club-latency) latency=1 ;;
    *) args+=("$arg") ;;
    esac
done
machine() {
    echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(free -g | awk '/^Mem:/ {print $2}') GiB RAM"
}
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DSKARNHOLT_BENCHMARKS=ON >/dev/null
if [ "$latency" = 1 ]; then
    cmake --build build-bench -j"$(nproc)" --target bench_latency
    machine
    exec build-bench/bench/bench_latency ${args[@]+"${args[@]}"}
fi
if [ "$all" = 1 ]; then
    cmake --build build-bench -j"$(nproc)" --target bench_database bench_armyview bench_club bench_floor
    build-bench/bench/bench_database
    build-bench/bench/bench_armyview
    build-bench/bench/bench_club
else
    cmake --build build-bench -j"$(nproc)" --target bench_floor
fi
machine
build-bench/bench/bench_floor ${args[@]+"${args[@]}"}
