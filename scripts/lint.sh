#!/usr/bin/env bash
# Runs the checks of .clang-tidy on every source of the program, its tests and its tools, on the
# build in build/ (its compile_commands.json), as many at a time as there are cores.
set -euo pipefail
source "$(dirname "$0")/dependencies.sh"
quorvant_install_missing clang-tidy
quorvant_build linux
cd "$quorvant_root"
run-clang-tidy -p build -j "$(nproc)" -quiet "$quorvant_root/(src|tests|tools|bench)/.*\.cpp$"
