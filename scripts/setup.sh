#!/bin/sh
# Sets up a Debian 12 machine for the two programs and builds them with their
# data. Safe to run again: it installs only what is missing and rebuilds only
# what changed. Installing needs root.
#   BUILD_DIR  where to build (default: build/ in the repository)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}

packages="
    cmake ninja-build g++ pkg-config dpkg-dev
    qt6-base-dev qt6-qpa-plugins qt6-multimedia-dev libgl-dev libx11-dev
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good
    fonts-hosny-amiri fonts-noto-core fonts-dejavu-core
    xvfb xauth
    libreoffice-writer libreoffice-dev
    desktop-file-utils hicolor-icon-theme
"

missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed$' ||
        missing="$missing $p"
done
if [ -n "$missing" ]; then
    if [ "$(id -u)" != 0 ]; then
        echo "setup: these packages are missing and installing them needs root:$missing" >&2
        exit 1
    fi
    echo "setup: installing$missing"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
fi

cmake -S "$root" -B "$build" -G Ninja
cmake --build "$build"

# Velisar reaches the user's Writer on a pipe that Writer opens only when its
# profile says so. A running office would overwrite the setting: then say so
# and carry on, the user can run the script later.
listen() {
    "$@" || echo "setup: Writer does not listen for Velisar yet; run scripts/writer-listen.sh as that user with LibreOffice closed" >&2
}
listen "$root/scripts/writer-listen.sh"
# Both programs in the desktop's menu, with their icons, and web archives
# such as the help handed to the help viewer.
"$root/scripts/desktop-entries.sh" --build "$build"
if [ "$(id -u)" = 0 ] && [ -n "${SUDO_USER:-}" ] && [ "$SUDO_USER" != root ]; then
    home=$(getent passwd "$SUDO_USER" | cut -d: -f6)
    listen runuser -u "$SUDO_USER" -- env -u XDG_CONFIG_HOME HOME="$home" \
        "$root/scripts/writer-listen.sh"
    runuser -u "$SUDO_USER" -- env -u XDG_DATA_HOME HOME="$home" \
        "$root/scripts/desktop-entries.sh" --build "$build"
fi

