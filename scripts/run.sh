#!/usr/bin/env bash
# Builds the program and starts it.
set -euo pipefail
source "$(dirname "$0")/dependencies.sh"
quorvant_install_missing
quorvant_build "$quorvant_root/build"
exec "$quorvant_root/build/src/quorvant" "$@"
