#!/usr/bin/env bash
# Builds the benchmarks (Release) into build-bench/ and runs bench_floor, which prints the
# program's times against the floor's and their ratios. --all runs the older benchmarks and
# the club load check first. Other arguments go to bench_floor (Google Benchmark flags).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh
dpkg-query -W -f='${Status}' libbenchmark-dev 2>/dev/null | grep -q "install ok installed" ||
    { apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq libbenchmark-dev >/dev/null; }
all=0
args=()
for arg in "$@"; do
    if [ "$arg" = "--all" ]; then all=1; else args+=("$arg"); fi
done
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DSKARNHOLT_BENCHMARKS=ON >/dev/null
if [ "$all" = 1 ]; then
    cmake --build build-bench -j"$(nproc)" --target bench_database bench_armyview bench_club bench_floor
    build-bench/bench/bench_database
    build-bench/bench/bench_armyview
    build-bench/bench/bench_club
else
    cmake --build build-bench -j"$(nproc)" --target bench_floor
fi
echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(free -g | awk '/^Mem:/ {print $2}') GiB RAM"
build-bench/bench/bench_floor ${args[@]+"${args[@]}"}
