#!/usr/bin/env bash
# Builds everything and runs every test, headless.
set -euo pipefail
source "$(dirname "$0")/dependencies.sh"
# mingw-w64 and Wine: the Windows programs that the launch tests start for real.
quorvant_install_missing clang-format g++-mingw-w64-x86-64-posix wine64 wine
quorvant_build linux
(cd "$quorvant_root" && ctest --preset linux)
# The whole native suite once more, under AddressSanitizer and UndefinedBehaviorSanitizer.
quorvant_build linux-asan
(cd "$quorvant_root" && ctest --preset linux-asan)
# Installed and packaged as a desktop application, and started from where it is installed.
bash "$quorvant_root/scripts/test-package.sh"
# The whole program once more as a Windows program, its tests and its installer under Wine.
bash "$quorvant_root/scripts/test-windows.sh"
# A short bounded fuzzing run of every parser and editor, under the sanitizers.
bash "$quorvant_root/scripts/fuzz.sh"
