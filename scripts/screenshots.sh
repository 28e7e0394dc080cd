#!/usr/bin/env bash
# Starts Quorvant under a virtual display on the demo game folder, in English and in French,
# and writes a screenshot of each tab as PNG files.
# Usage: screenshots.sh [OUTPUT_FOLDER]   (default: build/screenshots)
set -euo pipefail
source "$(dirname "$0")/dependencies.sh"
quorvant_install_missing xvfb imagemagick x11-utils xdotool python3
quorvant_build linux
out=${1:-$quorvant_root/build/screenshots}
mkdir -p "$out"
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT

bash "$quorvant_root/scripts/make-demo-game.sh" "$work/Half-Life" >/dev/null
# A server of the demo on this machine, whose status the join panel shows.
server_port=$((27100 + RANDOM % 800))
python3 "$quorvant_root/scripts/demo-server.py" "$server_port" &
# A master server and its game servers, for the server browser.
master_port=$((28000 + RANDOM % 800))
python3 "$quorvant_root/scripts/demo-network.py" "$master_port" &
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp &
sleep 1
export DISPLAY=$display QT_QPA_PLATFORM=xcb

for language in en fr; do
    export XDG_CONFIG_HOME=$work/config-$language
    mkdir -p "$XDG_CONFIG_HOME/Velmarsh Software"
    printf '[General]\nhl_path=%s\nLanguage=%s\nLast_Mod_Mplayer=cstrike\nLast_Mod_Single=valve\n%s\n' \
        "$work/Half-Life" "$([ $language = fr ] && echo 0 || echo 1)" \
        "Last_IP=127.0.0.1
IP1=127.0.0.1
Port_client=$server_port
Master_Server=127.0.0.1:$master_port" >"$XDG_CONFIG_HOME/Velmarsh Software/Quorvant.ini"
    "$quorvant_root/build/src/quorvant" &
    app=$!
    window=""
    for _ in $(seq 100); do
        window=$(quorvant_main_window "$app")
        [ -n "$window" ] && break
        sleep 0.2
    done
    [ -n "$window" ] || { echo "screenshots: the main window did not show" >&2; exit 1; }
    sleep 1
    shoot() { import -window "$window" "$out/$language-$1.png"; }
    click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.4; }
    shoot create
    # The two tool windows are modal windows of their own, centred on the main window: shoot the
    # screen where the main window is, then close them with Esc.
    shoot_over() { import -window root -crop 609x377+0+0 +repage "$out/$language-$1.png"; }
    click 215 259 && sleep 0.6 && shoot_over server-options   # Mod's server options
    xdotool key Escape && sleep 0.4
    click 215 283 && sleep 0.6                                # Configure Mapcycle
    cycle=$(xdotool search --onlyvisible --name '^Mapcycle' | tail -1)
    xdotool mousemove --window "$cycle" 292 286 click 1 && sleep 1   # its CHECK
    import -window "$cycle" "$out/$language-map-cycle.png"
    xdotool key Escape && sleep 0.4
    click 270 65 && sleep 1 && shoot join  # JOIN sub-tab, with the server's status line
    click 400 167 && sleep 2                # Find a server…: the browser over the main window
    browser=$(xdotool search --onlyvisible --name '^Serve' | tail -1)
    xdotool mousemove --window "$browser" 200 142 click 1 && sleep 1   # its first server
    import -window "$browser" "$out/$language-servers.png"
    xdotool key Escape && sleep 0.4
    click 65 102 && shoot single        # SINGLE PLAYER tab
    click 65 130 && shoot config        # CONFIGURATION tab
    kill "$app" 2>/dev/null || true
    wait "$app" 2>/dev/null || true
done
echo "Screenshots written to $out"
