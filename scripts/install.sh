#!/usr/bin/env bash
# Builds Quorvant's Debian package and installs it with apt, with the packages it depends on.
# Remove it with: apt-get remove quorvant
set -euo pipefail
source "$(dirname "$0")/dependencies.sh"
quorvant_install_missing dpkg-dev file
quorvant_build linux
package=$(quorvant_package "$quorvant_root/build")
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y "$package"
