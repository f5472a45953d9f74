#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages SkarnholtDB needs to build, test and run, only when one is missing.
#   install-packages.sh [PACKAGE...]     those packages instead (for a script's own needs)
set -euo pipefail

packages=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-l10n-tools qt6-tools-dev desktop-file-utils appstream
    xdg-user-dirs xdg-utils qt6-svg-dev libqt6svg6 libgl-dev libx11-dev qt6-translations-l10n
    fonts-liberation fonts-dejavu-core
    libqt6sql6-odbc unixodbc unixodbc-dev odbcinst libsqliteodbc sqlite3
    postgresql odbc-postgresql
    poppler-utils openssl python3-jsonschema shared-mime-info
    dpkg-dev lintian man-db
    xvfb xdotool openbox dbus-daemon at-spi2-core python3-pyatspi
)
(($# == 0)) || packages=("$@")

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ $status == "install ok installed" ]] || missing+=("$package")
done

if ((${#missing[@]} == 0)); then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [[ $(id -u) -ne 0 ]]; then
    command -v sudo >/dev/null || { echo "Need root (or sudo) to install: ${missing[*]}" >&2; exit 1; }
    sudo=sudo
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
