#!/usr/bin/env bash
# Installs, through apt-get, the Debian packages the build needs that are not there yet.
# Usage: scripts/install-deps.sh [extra packages...]
set -euo pipefail

packages=(cmake g++ make qt6-base-dev qt6-svg-dev qt6-l10n-tools qt6-translations-l10n desktop-file-utils help2man "$@")
missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
