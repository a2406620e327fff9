#!/usr/bin/env bash
# Installs every Debian package that building, testing and running Scrivlet
# needs. Idempotent: when everything is there it returns at once.
set -euo pipefail

packages=(
    # build
    g++ cmake ninja-build ccache pkg-config
    # Qt 6 Widgets and its platform plugins
    qt6-base-dev qt6-base-dev-tools libgl-dev qt6-qpa-plugins
    # tests and benchmarks
    libgtest-dev libgmock-dev libbenchmark-dev
    # spelling and thesaurus
    libhunspell-dev hunspell-en-us libmythes-dev mythes-en-us
    # running under a virtual display, screenshots, a font
    xvfb xauth imagemagick fonts-dejavu-core
    # the install test's checks (desktop entries, AppStream, MIME types) and
    # the Debian package's dependencies (dpkg-shlibdeps)
    desktop-file-utils appstream shared-mime-info xdg-utils libglib2.0-bin dpkg-dev
    # icons (the SVG image and icon plugins, a theme found without a desktop)
    # and fonts metric-compatible with Arial, Times New Roman and Courier New
    libqt6svg6 breeze-icon-theme fonts-liberation
    # the published web help opened in a headless browser by tests/web
    chromium
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
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
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
