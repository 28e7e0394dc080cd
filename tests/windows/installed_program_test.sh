#!/usr/bin/env bash
# The Windows program as a user gets it, under Wine: the installer run silently in a fresh prefix;
# the installed program started on a game folder at C:\Sierra\Half-Life whose hl.exe and hlds.exe
# are the launch recorder; GO! clicked for each way of playing; the settings read from the
# prefix's registry; "Edit motd.txt" opening Notepad (the recorder too) on the file; the
# uninstaller removing the program and its shortcut and leaving the settings.
# Usage: installed_program_test.sh SETUP.exe LAUNCH_RECORDER.exe [SCREENSHOT_FOLDER]
set -euo pipefail
installer=$(realpath "$1")
recorder=$(realpath "$2")
shots=${3:-}
work=$(mktemp -d)
started=()
cleanup() {
    local pid
    for pid in ${started[@]+"${started[@]}"}; do kill "$pid" 2>/dev/null || true; done
    WINEPREFIX=$work/prefix wineserver -k 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "installed program: FAILED: $*" >&2
    [ -n "$shots" ] && import -window root "$shots/windows-failure.png" 2>/dev/null
    exit 1
}
say() { echo "installed program: $*"; }

export WINEPREFIX=$work/prefix WINEDEBUG=-all
# Nothing else to install into the prefix; Notepad is the recorder's, not Wine's own.
export WINEDLLOVERRIDES="mscoree,mshtml=;notepad.exe=n;winedbg.exe=d"
display=:$((200 + RANDOM % 200))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
started+=($!)
export DISPLAY=$display
wine cmd /c exit 0 >/dev/null 2>&1 || fail "Wine cannot start here: the Windows program did NOT run"
drive_c=$WINEPREFIX/drive_c
program_folder="$drive_c/Program Files/Quorvant"
shortcut="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Quorvant/Quorvant.lnk"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvant installation'
settings_key='Software\Velmarsh Software\Quorvant'

say "the installer, silently"
wine "$installer" /S
for file in quorvant.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll Qt6Network.dll \
    platforms/qwindows.dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll Uninstall.exe; do
    [ -f "$program_folder/$file" ] || fail "the installer did not install $file"
done
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
wine reg query "$uninstall_key" /v UninstallString >/dev/null 2>&1 ||
    fail "no entry in Programs and Features"

game=$drive_c/Sierra/Half-Life
mkdir -p "$game/cstrike/maps" "$game/valve/SAVE"
cp "$recorder" "$game/hl.exe"
cp "$recorder" "$game/hlds.exe"
cp "$recorder" "$drive_c/windows/notepad.exe"
printf 'game "Counter-Strike"\r\ngamedll "dlls\\mp.dll"\r\n' >"$game/cstrike/liblist.gam"
: >"$game/cstrike/maps/arena.bsp"
printf 'game "Half-Life"\r\nstartmap "begin1"\r\n' >"$game/valve/liblist.gam"
{
    head -c 4242 /dev/zero
    printf 'quick save%55s01:00' ''
} >"$game/valve/SAVE/quick.sav"

# The main window of the program started last: the visible window of that name as wide as it.
window=""
start_program() {
    (cd "$drive_c" && exec wine 'C:\Program Files\Quorvant\quorvant.exe') >/dev/null 2>&1 &
    started+=($!)
    window=""
    local candidate
    for _ in $(seq 150); do
        for candidate in $(xdotool search --onlyvisible --name '^Quorvant$' 2>/dev/null); do
            if xdotool getwindowgeometry "$candidate" 2>/dev/null | grep -q 'Geometry: 609x377'; then
                window=$candidate
                break 2
            fi
        done
        sleep 0.2
    done
    [ -n "$window" ] || fail "the main window did not show"
    # The splash goes; no message box or question of the same title stays.
    for _ in $(seq 25); do
        [ "$(xdotool search --onlyvisible --name '^Quorvant$' | wc -l)" -eq 1 ] && break
        sleep 0.2
    done
    sleep 0.5
}
stop_program() {
    click 591 22  # the close picture
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name '^Quorvant$' >/dev/null 2>&1 || break
        sleep 0.2
    done
}
click() {
    xdotool mousemove --window "$window" "$1" "$2" click 1
    sleep 0.4
}
# The command line, current folder and window flag the recorder `program` was started with.
recorded() {
    local record=$1.record
    for _ in $(seq 150); do
        [ -f "$record" ] && break
        sleep 0.2
    done
    [ -f "$record" ] || fail "$(basename "$1") was not started"
    tr -d '\r' <"$record"
    rm -f "$record"
}
expect_started() {
    local program=$1 line=$2 got
    got=$(recorded "$game/${program%.exe}")
    [ "$got" = "$(printf '%s\nC:\\Sierra\\Half-Life\n2' "$line")" ] ||
        fail "GO! started $(printf '%q' "$got"), not $line"
    say "GO! started: $line"
}
stored() { wine reg query "$1\\$settings_key" /v "$2" 2>/dev/null | tr -d '\r' | awk -v n="$2" '$1 == n { $1 = ""; $2 = ""; sub(/^  /, ""); print }'; }

say "the first run finds the game without asking"
start_program
[ "$(xdotool search --onlyvisible --name '^Quorvant$' | wc -l)" -eq 1 ] &&
    ! xdotool search --onlyvisible --name "find the path" >/dev/null 2>&1 ||
    fail "a question or message showed at the first run"
[ -n "$shots" ] && import -window "$window" "$shots/windows-create-en.png"
[ "$(stored HKEY_LOCAL_MACHINE hl_path)" = 'C:\Sierra\Half-Life' ] ||
    fail "the game folder was not stored under HKEY_LOCAL_MACHINE"

say "create, then a dedicated server"
click 65 130       # CONFIGURATION
click 157 209      # the console box
click 65 74        # MULTIPLAYER
click 447 183      # the map list, opened
xdotool key Down Return
sleep 0.4
click 548 357      # GO!
expect_started hl.exe '"C:\Sierra\Half-Life\hl.exe" -console -game cstrike -port 27015 +map arena +maxplayers 8'
click 313 287      # dedicated server
click 548 357
expect_started hlds.exe '"C:\Sierra\Half-Life\hlds.exe" -game cstrike -port 27015 +map arena +maxplayers 8'
click 313 287

say "Edit motd.txt opens Notepad on the file"
click 215 307
got=$(recorded "$drive_c/windows/notepad")
[ "$(echo "$got" | head -n 1)" = 'C:\windows\notepad.exe C:\Sierra\Half-Life\cstrike\motd.txt' ] ||
    fail "Notepad was started as $(printf '%q' "$got")"

say "join"
click 270 65       # JOIN
click 378 137
xdotool key ctrl+a
xdotool type --delay 20 127.0.0.1
click 308 167
xdotool type --delay 20 27016
click 348 197
xdotool type --delay 20 secret
click 548 357
expect_started hl.exe '"C:\Sierra\Half-Life\hl.exe" -console +connect 127.0.0.1:27016 +password secret'

say "a new game, then a saved game"
click 65 102       # SINGLE PLAYER
click 210 81       # valve
click 380 140      # start a new game
click 459 277      # normal difficulty
click 548 357
expect_started hl.exe '"C:\Sierra\Half-Life\hl.exe" -console -game valve +map begin1 +skill 2'
click 380 184      # load a saved game
click 288 229      # the saved game
click 548 357
expect_started hl.exe '"C:\Sierra\Half-Life\hl.exe" -console -game valve -toconsole +exec quorvant.cfg'
[ "$(tr -d '\r' <"$game/valve/quorvant.cfg")" = 'load "quick.sav"' ] || fail "no load script"
stop_program

for root in HKEY_LOCAL_MACHINE HKEY_CURRENT_USER; do
    [ "$(stored $root Console)" = 1 ] && [ "$(stored $root IP1)" = 127.0.0.1 ] ||
        fail "the settings are not stored under $root"
done
say "the settings are in the registry under HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER"

if [ -n "$shots" ]; then
    wine reg add "HKEY_CURRENT_USER\\$settings_key" /v Language /d 0 /f >/dev/null 2>&1
    wine reg add "HKEY_CURRENT_USER\\$settings_key" /v Last_onglet /d 1 /f >/dev/null 2>&1
    start_program
    import -window "$window" "$shots/windows-create-fr.png"
    stop_program
fi

say "the uninstaller, silently"
wine "$program_folder/Uninstall.exe" /S
# It goes on from a copy of itself in the temporary folder.
for _ in $(seq 150); do
    [ -e "$program_folder/quorvant.exe" ] || [ -e "$shortcut" ] || break
    sleep 0.2
done
[ ! -e "$program_folder/quorvant.exe" ] && [ ! -e "$program_folder/Qt6Core.dll" ] ||
    fail "the uninstaller left the program"
[ ! -e "$shortcut" ] || fail "the uninstaller left the shortcut"
! wine reg query "$uninstall_key" >/dev/null 2>&1 || fail "the uninstaller left its entry"
[ "$(stored HKEY_CURRENT_USER hl_path)" = 'C:\Sierra\Half-Life' ] ||
    fail "the uninstaller took the settings"
say "passed"
