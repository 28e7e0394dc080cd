#!/usr/bin/env bash
# Builds Quorvant for Windows on Debian and makes its two packages in build-windows/packages:
# Quorvant-<version>-win64.zip (portable: unzip anywhere and run) and Quorvant-<version>-setup.exe
# (an NSIS installer; /S installs silently). Builds Qt for Windows first when its cache lacks it.
set -euo pipefail
source "$(dirname "$0")/dependencies.sh"
quorvant_install_missing g++-mingw-w64-x86-64-posix wine64 wine nsis
source "$quorvant_root/scripts/windows-qt.sh"
QUORVANT_WINDOWS_QT=$(quorvant_windows_qt)
export QUORVANT_WINDOWS_QT
quorvant_build windows
packages=$quorvant_root/build-windows/packages
rm -rf "$packages"
(cd "$quorvant_root/build-windows" && cpack -B "$packages" >/dev/null)
rm -rf "$packages/_CPack_Packages"
ls "$packages"/Quorvant-*-win64.zip "$packages"/Quorvant-*-setup.exe
