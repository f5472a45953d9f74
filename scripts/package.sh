#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of SkarnholtDB (Release, without the tests) into build-package/,
# checks it with lintian (no error, no warning) and prints its path. Install it with:
# sudo apt install ./build-package/skarnholtdb_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build-package -j"$(nproc)"
rm -f build-package/skarnholtdb_*.deb
(cd build-package && cpack -G DEB >/dev/null)
package=$(ls "$PWD"/build-package/skarnholtdb_*.deb)
lintian --fail-on error,warning "$package" >&2
echo "$package"
