#!/usr/bin/env bash
# Builds everything and runs every test, headless.
set -euo pipefail
source "$(dirname "$0")/dependencies.sh"
# mingw-w64 and Wine: the Windows programs that the launch tests start for real.
quorvant_install_missing clang-format g++-mingw-w64-x86-64-posix wine64 wine
quorvant_build "$quorvant_root/build"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$quorvant_root/build" --output-on-failure --timeout 300
# Installed and packaged as a desktop application, and started from where it is installed.
bash "$quorvant_root/scripts/test-package.sh"
# The core library and the registry store once more, as Windows programs under Wine.
bash "$quorvant_root/scripts/test-windows.sh"
# A short bounded fuzzing run of every parser and editor, under the sanitizers.
bash "$quorvant_root/scripts/fuzz.sh"
