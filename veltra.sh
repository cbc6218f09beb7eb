#!/usr/bin/env bash
# Builds Veltra and runs it (./veltra.sh run) or runs every test (./veltra.sh test),
# installing the Debian packages it needs when they are missing.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build="$here/build"
# gstreamer1.0-plugins-good decodes the splash tune for Qt Multimedia;
# qt6-translations-l10n puts Qt's own dialogs in Italian.
packages=(cmake g++ pkg-config qt6-base-dev qt6-multimedia-dev libzip-dev libgl-dev
          gstreamer1.0-plugins-good qt6-translations-l10n)
test_packages=(xvfb xauth libreoffice-writer-nogui poppler-utils)

install_missing() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

build_all() {
    cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$build" -j "$(nproc)"
}

case "${1:-}" in
run)
    install_missing "${packages[@]}"
    build_all
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "No graphical display found: start Veltra under a virtual display with: xvfb-run -a $0 run" >&2
        exit 1
    fi
    exec "$build/app/veltra"
    ;;
test)
    install_missing "${packages[@]}" "${test_packages[@]}"
    build_all
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure
    ;;
*)
    echo "usage: $0 run | test" >&2
    exit 2
    ;;
esac
