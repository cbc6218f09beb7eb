#!/usr/bin/env bash
# Builds Veltra and runs it (./veltra.sh run) or runs every test (./veltra.sh test),
# installing the Debian packages it needs when they are missing.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build="$here/build"
# gstreamer1.0-plugins-good decodes the splash tune for Qt Multimedia;
# qt6-translations-l10n puts Qt's own dialogs in Italian; xdg-utils opens the printouts
# and tells whether any program is registered to open them.
packages=(cmake g++ pkg-config qt6-base-dev qt6-multimedia-dev libzip-dev libgl-dev
          gstreamer1.0-plugins-good qt6-translations-l10n xdg-utils)
# dpkg-dev and file let cpack declare the package's library dependencies.
test_packages=(xvfb xauth libreoffice-writer-nogui poppler-utils clang libclang-rt-14-dev
               dpkg-dev file)
fuzz_build="$here/build-fuzz"
fuzz_seconds=30

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

# The fuzz targets of tests/fuzz, built by clang with their sanitizers.
build_fuzz() {
    CC=clang CXX=clang++ cmake -S "$here" -B "$fuzz_build" -DVELTRA_FUZZ=ON >/dev/null
    cmake --build "$fuzz_build" -j "$(nproc)"
}

# Runs every fuzz target on a copy of its seed corpus, so that the repository stays as it
# is; a crash, a leak, a sanitizer report or a broken property fails the run.
run_fuzz() {
    local work status=0
    work=$(mktemp -d)
    for target in "$fuzz_build"/tests/fuzz/fuzz_*; do
        [ -f "$target" ] && [ -x "$target" ] || continue
        local name
        name=$(basename "$target")
        if [ ! -d "$here/tests/fuzz/corpus/$name" ]; then
            echo "$name has no seed corpus in tests/fuzz/corpus/$name" >&2
            status=1
            continue
        fi
        mkdir -p "$work/$name"
        cp -r "$here/tests/fuzz/corpus/$name/." "$work/$name/"
        echo "fuzzing $name for ${fuzz_seconds}s"
        if ! UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
                "$target" -max_total_time="$fuzz_seconds" -rss_limit_mb=2048 -timeout=10 \
                -artifact_prefix="$work/$name-" "$work/$name" >"$work/$name.log" 2>&1; then
            tail -n 40 "$work/$name.log" >&2
            echo "$name failed; its log and the failing input are in $work" >&2
            status=1
        fi
    done
    [ "$status" -eq 0 ] && rm -rf "$work"
    return "$status"
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
    status=0
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure || status=1
    if command -v clang++ >/dev/null; then
        build_fuzz
        run_fuzz || status=1
    fi
    exit "$status"
    ;;
*)
    echo "usage: $0 run | test" >&2
    exit 2
    ;;
esac
