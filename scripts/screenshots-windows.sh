#!/usr/bin/env bash
# Installs the Windows program under Wine as its test does and writes a PNG of its main window in
# English and in French: windows-create-en.png and windows-create-fr.png.
# Usage: screenshots-windows.sh [OUTPUT_FOLDER]   (default: build-windows/screenshots)
set -euo pipefail
source "$(dirname "$0")/dependencies.sh"
quorvant_install_missing xvfb xdotool x11-utils imagemagick
out=$(realpath -m "${1:-$quorvant_root/build-windows/screenshots}")
mkdir -p "$out"
bash "$quorvant_root/scripts/package-windows.sh" >/dev/null
build=$quorvant_root/build-windows
bash "$quorvant_root/tests/windows/installed_program_test.sh" \
    "$build"/packages/Quorvant-*-setup.exe "$build/bin/launch_recorder.exe" "$out" >/dev/null
rm -f "$out/windows-failure.png"
echo "Screenshots written to $out"
