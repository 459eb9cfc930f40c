#!/usr/bin/env bash
# Installs the Debian packages Casewright needs to build, test and run,
# skipping those already present. Runs as root or through sudo.
set -euo pipefail

PACKAGES=(
    g++ cmake ninja-build ccache pkg-config
    qt6-base-dev qt6-base-dev-tools libqt6svg6 qt6-image-formats-plugins qt6-gtk-platformtheme
    libfreeimage-dev
    libtag1-dev libcue-dev libdiscid-dev
    poppler-utils glabels-data
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation2 fonts-dejavu-core
    desktop-file-utils appstream shared-mime-info libglib2.0-bin libxml2-utils
    man-db groff-base bash-completion dpkg-dev file
)

missing=()
for pkg in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$pkg")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
