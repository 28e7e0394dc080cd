#!/usr/bin/env bash
# Builds Qt for Windows (x86_64, mingw-w64) from Debian's own source package of the host's Qt, once,
# into a cache folder outside the checkout, and prints that folder. Sourced or run.
# The cache is keyed by the Qt version and the options below; a folder without its completion
# stamp (an interrupted build) is deleted and built again, never used.
# Cache root: $QUORVANT_QT_CACHE, else $XDG_CACHE_HOME/quorvant, else ~/.cache/quorvant.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/dependencies.sh"
quorvant_install_missing dpkg-dev xz-utils g++-mingw-w64-x86-64-posix qt6-base-dev-tools

# Only what Quorvant and its tests use: Core, Gui, Widgets, Network, Test and the Windows
# platform plugin (whose Direct2D twin cannot be left out: the plugin then misses its fonts). The tablet events need a header Debian's source lacks; OpenGL stays on because
# the Windows platform plugin of this version does not compile without it.
qt_features=(
    -DBUILD_SHARED_LIBS=ON -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF
    -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF -DFEATURE_tabletevent=OFF -DFEATURE_openssl=OFF
    -DFEATURE_schannel=ON -DFEATURE_testlib=ON -DFEATURE_opengl=ON -DFEATURE_sql_sqlite=OFF
    -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_sspi=OFF -DFEATURE_networklistmanager=OFF
)

quorvant_qt_version() {
    dpkg-query -W -f='${Version}' qt6-base-dev-tools
}

# Every step is checked by hand: a function called where its status is tested, as here and in a
# command substitution, runs without errexit.
quorvant_windows_qt() {
    local version key cache prefix
    version=$(quorvant_qt_version) || return 1
    key=$(printf '%s\n' "$version" "${qt_features[@]}" "$(x86_64-w64-mingw32-g++-posix -dumpfullversion)" |
        sha256sum | cut -c1-12) || return 1
    cache=${QUORVANT_QT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quorvant}
    prefix=$cache/qt-${version%%+*}-mingw64-$key
    if [ -f "$prefix/.complete" ] && [ "$(cat "$prefix/.complete")" = "$key" ]; then
        echo "$prefix"
        return 0
    fi
    echo "Building Qt $version for Windows into $prefix (about 35 minutes on two cores)" >&2
    rm -rf "$prefix" "$prefix.work" && mkdir -p "$prefix.work" || return 1
    if ! quorvant_fetch_qt_source "$prefix.work" >&2 ||
        ! quorvant_configure_and_build_qt "$prefix.work" "$prefix" >&2; then
        echo "The build of Qt for Windows failed: nothing of it is kept." >&2
        rm -rf "$prefix" "$prefix.work"
        return 1
    fi
    echo "$key" >"$prefix/.complete" && rm -rf "$prefix.work" || return 1
    echo "$prefix"
}

# Debian serves the source beside the binary packages once a deb-src entry names the same archive.
quorvant_fetch_qt_source() {
    local work=$1 sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    if ! (cd "$work" && apt-get source --download-only qt6-base="$(quorvant_qt_version)") >/dev/null 2>&1; then
        quorvant_add_source_entry && "${sudo[@]}" apt-get update -q &&
            (cd "$work" && apt-get source --download-only qt6-base="$(quorvant_qt_version)") ||
            return 1
    fi
    (cd "$work" && dpkg-source --no-check -x qt6-base_*.dsc source >/dev/null)
}

quorvant_add_source_entry() {
    local sudo=() entry=/etc/apt/sources.list.d/quorvant-sources.sources uris suites
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    uris=$(awk '/^URIs:/ { print $2; exit }' /etc/apt/sources.list.d/debian.sources 2>/dev/null ||
        true)
    [ -n "$uris" ] || uris=http://deb.debian.org/debian
    suites=$(. /etc/os-release && echo "$VERSION_CODENAME")
    printf 'Types: deb-src\nURIs: %s\nSuites: %s\nComponents: main\nSigned-By: %s\n' "$uris" \
        "$suites" /usr/share/keyrings/debian-archive-keyring.gpg | "${sudo[@]}" tee "$entry" >/dev/null
}

quorvant_configure_and_build_qt() {
    local work=$1 prefix=$2 jobs
    jobs=$(nproc)
    cat >"$work/toolchain.cmake" <<'EOF'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
EOF
    cmake -S "$work/source" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$work/toolchain.cmake" -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        "${qt_features[@]}" &&
        cmake --build "$work/build" --parallel "$jobs" &&
        cmake --install "$work/build"
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    quorvant_windows_qt
fi
