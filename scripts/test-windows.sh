#!/usr/bin/env bash
# Builds Quorvant as a Windows program with its tests and packages (scripts/package-windows.sh),
# then proves it under Wine, on a virtual display, in a throw-away Wine prefix of the build folder:
# the test programs on the real Win32 platform code and Qt's Windows platform, then the installer,
# the installed program and the uninstaller as a user meets them.
set -euo pipefail
source "$(dirname "$0")/dependencies.sh"
quorvant_install_missing xvfb xdotool x11-utils imagemagick
bash "$quorvant_root/tests/windows/qt_cache_test.sh"
bash "$quorvant_root/scripts/package-windows.sh" >/dev/null
build=$quorvant_root/build-windows
# No debugger waits at a crash: the test fails at once.
export WINEPREFIX=$build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
rm -rf "$WINEPREFIX"
display=:$((100 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; WINEPREFIX=$WINEPREFIX wineserver -k 2>/dev/null || true' EXIT
export DISPLAY=$display
if ! wine cmd /c exit 0 >/dev/null 2>&1; then
    echo "Wine cannot start here: the Windows tests did NOT run." >&2
    exit 1
fi
# Without a window manager Wine waits for one at every window it hides: the windows of the
# tests go unmanaged.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
(cd "$quorvant_root" && ctest --preset windows)
bash "$quorvant_root/tests/windows/installed_program_test.sh" \
    "$build"/packages/Quorvant-*-setup.exe "$build/bin/launch_recorder.exe"
