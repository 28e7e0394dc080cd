#!/usr/bin/env bash
# Cross-builds the core library, the registry settings store and their tests as Windows programs
# with mingw-w64, and runs them under Wine in a throw-away Wine prefix of the build folder.
set -euo pipefail
source "$(dirname "$0")/dependencies.sh"
quorvant_install_missing g++-mingw-w64-x86-64-posix wine64 wine
build=$quorvant_root/build-windows
export WINEPREFIX=$build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
rm -rf "$WINEPREFIX"
mkdir -p "$build"
if ! wine cmd /c exit 0 >/dev/null 2>&1; then
    echo "Wine cannot start here: the Windows tests did NOT run." >&2
    exit 1
fi
cmake -S "$quorvant_root/windows" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_TOOLCHAIN_FILE="$quorvant_root/cmake/mingw-w64-x86_64.cmake"
cmake --build "$build" --parallel
ctest --test-dir "$build" --output-on-failure --timeout 600
