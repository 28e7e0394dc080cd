#!/usr/bin/env bash
# Builds the program and starts it. Without a game folder of your own set up, it starts on a
# demo game folder with settings of its own, so your own settings are never touched.
set -euo pipefail
source "$(dirname "$0")/dependencies.sh"
quorvant_install_missing
quorvant_build linux

config_home=${XDG_CONFIG_HOME:-$HOME/.config}
stored_folder=$(sed -n 's/^hl_path=//p' "$config_home/Velmarsh Software/Quorvant.ini" 2>/dev/null || true)
default_folder=${WINEPREFIX:-$HOME/.wine}/drive_c/Sierra/Half-Life

has_game() {
    [ -n "$1" ] && [ -n "$(find "$1" -maxdepth 1 -type f \( -iname hl.exe -o -name hl_linux \) \
        2>/dev/null)" ]
}
# Steam's own library in its usual places (Quorvant also reads the other libraries Steam lists).
has_steam_game() {
    local root
    for root in ~/.steam/steam ~/.local/share/Steam ~/.var/app/com.valvesoftware.Steam/.local/share/Steam \
        ~/.var/app/com.valvesoftware.Steam/data/Steam ~/snap/steam/common/.local/share/Steam; do
        has_game "$root/steamapps/common/Half-Life" && return 0
    done
    return 1
}

if ! has_game "$stored_folder" && ! has_game "$default_folder" && ! has_steam_game; then
    demo=$quorvant_root/build/demo
    [ -f "$demo/Half-Life/hl.exe" ] || bash "$quorvant_root/scripts/make-demo-game.sh" "$demo/Half-Life"
    export XDG_CONFIG_HOME=$demo/config
    settings="$XDG_CONFIG_HOME/Velmarsh Software/Quorvant.ini"
    if [ ! -f "$settings" ]; then
        mkdir -p "$(dirname "$settings")"
        printf '[General]\nhl_path=%s\n' "$demo/Half-Life" >"$settings"
    fi
    echo "No game folder found: starting on the demo folder $demo/Half-Life"
    echo "Launches are recorded in $demo/Half-Life/launches.log"
fi
exec "$quorvant_root/build/src/quorvant" "$@"
