#!/usr/bin/env bash
# Writes a small but realistic game folder for trying Quorvant without the game: four mods with
# descriptors, maps and their titles, bot libraries, saved games, server configuration files,
# and a stand-in hl.exe that only records its command line in launches.log.
# Usage: make-demo-game.sh FOLDER
set -euo pipefail
root=${1:?usage: make-demo-game.sh FOLDER}
mkdir -p "$root"
root=$(cd "$root" && pwd)

# Text files of the game use CR LF line ends.
crlf() { # FILE LINE...
    local file=$1
    shift
    mkdir -p "$(dirname "$file")"
    : >"$file"
    local line
    for line in "$@"; do printf '%s\r\n' "$line" >>"$file"; done
}

# A map file and its title file; files after the title are named by the map but not written.
map() { # MOD NAME TITLE [NAMED_FILE...]
    mkdir -p "$root/$1/maps"
    python3 "$(dirname "$0")/demo-map.py" "$root/$1/maps/$2.bsp" \
        "$(printf %s "$2" | cksum | cut -d' ' -f1)" "${@:4}"
    crlf "$root/$1/maps/$2.txt" "$3" "A demo map."
}

# A save file whose description field (70 bytes at offset 4242) holds a title and a time.
save() { # MOD FILE DESCRIPTION TIME
    mkdir -p "$root/$1/Save"
    {
        printf 'JSAV'
        head -c 4238 /dev/zero
        printf '%-65.65s%5.5s' "$3" "$4"
        head -c 600 /dev/zero
    } >"$root/$1/Save/$2"
}

library() { # MOD FILE
    mkdir -p "$root/$1/dlls"
    printf 'MZ demo library %s\n' "$2" >"$root/$1/dlls/$2"
}

stand_in() { # FILE
    cat >"$root/$1" <<'SCRIPT'
#!/bin/sh
# Stand-in for the game: records where and how it was started, then ends.
printf '%s | %s %s\n' "$(pwd)" "$(basename "$0")" "$*" >>"$(dirname "$0")/launches.log"
SCRIPT
    chmod +x "$root/$1"
}

stand_in hl.exe
stand_in hlds.exe

crlf "$root/valve/liblist.gam" \
    "// Game info file" \
    "//  These are key/value pairs." \
    'game "Half-Life"' \
    'startmap "c0a0"' \
    'trainmap "t0a0"' \
    'mpentity "info_player_deathmatch"' \
    'gamedll "dlls\hl.dll"' \
    'type "singleplayer_only"' \
    'version "1.1.2.2"' \
    'url_info "half-life.example.org"'
library valve hl.dll
# The base game's texture file and sky, which every demo map uses.
mkdir -p "$root/valve/gfx/env"
python3 "$(dirname "$0")/demo-wad.py" "$root/valve/halflife.wad" CRATE1
for side in up dn lf rt ft bk; do : >"$root/valve/gfx/env/desert$side.tga"; done
map valve c0a0 "Black Mesa Inbound"
map valve c1a0 "Anomalous Materials"
map valve t0a0 "Hazard Course"
map valve crossfire "Crossfire"
map valve stalkyard "Stalkyard"
save valve quick.sav "Anomalous Materials" "12:34"
save valve autosave.sav "" "00:42"
save valve lambda01.sav "Office Complex" "58:07"

crlf "$root/cstrike/liblist.gam" \
    'game "Counter-Strike"' \
    'url_info "counter-strike.example.net"' \
    'url_dl ""' \
    'version "1.6"' \
    'size "184000000"' \
    'svonly "0"' \
    'cldll "1"' \
    'secure "1"' \
    'hlversion "1111"' \
    'type "multiplayer_only"' \
    'mpentity "info_player_start"' \
    'gamedll "dlls\mp.dll"' \
    'gamedll_linux "dlls/cs.so"'
for dll in mp.dll HPB_bot.dll mp2.dll realbot.dll podbot.dll; do library cstrike "$dll"; done
map cstrike de_dust "Dust"
# A map whose texture file and sprite are the mod's own: what its resource list names.
map cstrike de_dust2 "Dust II" cs_dust.wad sprites/dust_smoke.spr
python3 "$(dirname "$0")/demo-wad.py" "$root/cstrike/cs_dust.wad" SAND1
mkdir -p "$root/cstrike/sprites"
: >"$root/cstrike/sprites/dust_smoke.spr"
map cstrike de_aztec "Aztec" de_aztec.wad sprites/aztec_fire.spr
map cstrike cs_office "Office"
map cstrike as_oilrig "Oilrig"
crlf "$root/cstrike/server.cfg" \
    '// Server settings' \
    'hostname "Quorvant demo server"' \
    'mp_timelimit 20' \
    'mp_fraglimit 0' \
    'mp_friendlyfire 0' \
    'log on'
crlf "$root/cstrike/listenserver.cfg" 'hostname "Quorvant listen server"' 'mp_timelimit 30'
crlf "$root/cstrike/game.cfg" '// game settings' 'sv_aim 0'
crlf "$root/cstrike/autoexec.cfg" 'name "Player"'
crlf "$root/cstrike/config.cfg" '// saved by the game' 'name "Player"' 'rate "25000"'
crlf "$root/cstrike/mapcycle.txt" '// map rotation' de_dust de_aztec cs_office de_dust2
crlf "$root/cstrike/motd.txt" 'Welcome to the Quorvant demo server!'

crlf "$root/tfc/liblist.gam" \
    'game "Team Fortress Classic"' \
    'version "1.5"' \
    'url_info "tfc.example.net"' \
    'gamedll "dlls\tfc.dll"' \
    'type "multiplayer_only"'
for dll in tfc.dll HPB_bot.dll; do library tfc "$dll"; done
map tfc 2fort "2Fort"
map tfc well "The Well"
map tfc rock2 "Rock"
crlf "$root/tfc/server.cfg" 'hostname "TFC demo"' 'mp_timelimit 30'
crlf "$root/tfc/mapcycle.txt" 2fort well rock2

crlf "$root/gearbox/liblist.gam" \
    'game "Opposing Force"' \
    'startmap "of0a0"' \
    'trainingmap "ofboot0"' \
    'gamedll "dlls\opfor.dll"' \
    'version "1.1.1.0"' \
    'url_info "http://opposing-force.example.com"'
library gearbox opfor.dll
map gearbox of0a0 "Welcome to Black Mesa"
map gearbox ofboot0 "Boot Camp"
save gearbox quick.sav "We Are Pulling Out" "31:10"

echo "Demo game folder written to $root"
