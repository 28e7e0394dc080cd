#!/usr/bin/env bash
# Checks Quorvant as a desktop application, on the build in build/ (scripts/test.sh makes it):
# installs it into a temporary folder, validates its desktop entry, AppStream metadata and icons,
# builds the Debian package and checks its fields, contents and lintian's verdict, then starts
# the installed program on a demo game folder under a virtual display until its main window shows.
set -euo pipefail
source "$(dirname "$0")/dependencies.sh"
quorvant_install_missing desktop-file-utils appstream lintian dpkg-dev file xvfb xdotool x11-utils
build=$quorvant_root/build
id=org.quorvant.Quorvant
work=$(mktemp -d)
started=()
cleanup() {
    local pid
    for pid in ${started[@]+"${started[@]}"}; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "test-package: $*" >&2
    exit 1
}
started_at=$EPOCHREALTIME
step() {
    awk -v now="$EPOCHREALTIME" -v start="$started_at" -v what="$*" \
        'BEGIN { printf "test-package: %4.1f s: %s\n", now - start, what }'
}

step "install into a temporary folder"
cmake --install "$build" --prefix "$work/usr" >/dev/null
installed=$work/usr
[ -x "$installed/bin/quorvant" ] || fail "no program in bin/"
file -b "$installed/share/icons/hicolor/scalable/apps/$id.svg" | grep -q '^SVG' ||
    fail "no scalable icon"
for size in 16 22 24 32 48 64 128 256; do
    icon=$installed/share/icons/hicolor/${size}x$size/apps/$id.png
    file -b "$icon" | grep -q "^PNG image data, $size x $size," ||
        fail "icon $icon: $(file -b "$icon")"
done

step "validate the desktop entry and the AppStream metadata"
desktop=$installed/share/applications/$id.desktop
metainfo=$installed/share/metainfo/$id.metainfo.xml
if ! report=$(desktop-file-validate "$desktop" 2>&1) || [ -n "$report" ]; then
    fail "desktop entry: $report"
fi
grep -qx 'Categories=Game;' "$desktop" || fail "the desktop entry is not in the Game category"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry does not show the icon $id"
appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" ||
    fail "metadata: $(cat "$work/appstream.log")"
for element in summary description screenshot caption content_rating release; do
    grep -q "<${element}[ >/]" "$metainfo" || fail "the metadata has no <$element>"
done
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metadata does not launch the installed desktop entry"

step "build the Debian package"
if ! package=$(quorvant_package "$build" 2>"$work/cpack.log") || [ ! -f "$package" ]; then
    fail "no package built: $(cat "$work/cpack.log")"
fi
version=$(dpkg-deb -f "$package" Version)
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metadata has no release $version"
zcat "$installed/share/doc/quorvant/changelog.gz" >"$work/changelog"
[ "$(dpkg-parsechangelog -l "$work/changelog" -S Version)" = "$version" ] ||
    fail "the change log's last entry is not version $version"
depends=$(dpkg-deb -f "$package" Depends)
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6network6; do
    [[ ", $depends," == *", $library ("* ]] || fail "package does not depend on $library: $depends"
done
[ "$(dpkg-deb -f "$package" Recommends)" = wine ] || fail "package does not recommend wine"
# The package holds exactly what the install rules install, under /usr.
dpkg-deb -c "$package" | awk '$1 !~ /^d/ { sub(/^\.\/usr\//, "", $6); print $6 }' | sort \
    >"$work/packaged"
(cd "$installed" && find . -type f | sed 's|^\./||' | sort) >"$work/installed"
diff -u "$work/installed" "$work/packaged" || fail "the package's files differ from the install's"
dpkg-deb -x "$package" "$work/unpacked"
file -b "$work/unpacked/usr/bin/quorvant" | grep -q ', stripped' ||
    fail "the packaged program is not stripped"
lintian_status=0
lintian --fail-on error "$package" >"$work/lintian.log" 2>&1 || lintian_status=$?
grep -v 'root privileges' "$work/lintian.log" | sed 's/^/  lintian: /' || true
[ "$lintian_status" -eq 0 ] || fail "lintian found errors"

step "start the installed program on a demo game folder"
bash "$quorvant_root/scripts/make-demo-game.sh" "$work/Half-Life" >/dev/null
export XDG_CONFIG_HOME=$work/config
settings=$XDG_CONFIG_HOME/Velmarsh\ Software/Quorvant.ini
mkdir -p "$(dirname "$settings")"
printf '[General]\nhl_path=%s\n' "$work/Half-Life" >"$settings"
# The X server picks a free display and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 800x500x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
started+=($!)
for _ in $(seq 50); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
DISPLAY=:$(cat "$work/display")
export DISPLAY QT_QPA_PLATFORM=xcb
"$installed/bin/quorvant" 2>"$work/quorvant.log" &
program=$!
started+=("$program")
main_window=""
deadline=$((SECONDS + 20))
while [ "$SECONDS" -lt "$deadline" ]; do
    kill -0 "$program" 2>/dev/null || fail "the program ended: $(cat "$work/quorvant.log")"
    main_window=$(quorvant_main_window "$program")
    [ -n "$main_window" ] && break
    sleep 0.1
done
[ -n "$main_window" ] || fail "the main window did not show within 20 seconds"
sleep 2
kill -0 "$program" 2>/dev/null || fail "the program ended after showing its main window"
xwininfo -id "$main_window" 2>/dev/null | grep -q 'Map State: IsViewable' ||
    fail "the main window did not stay shown"
size=$(xwininfo -id "$main_window" | grep -oE '(Width|Height): [0-9]+' | paste -sd ' ')
step "the main window showed and stayed ($size); closing it"
kill "$program"
wait "$program" 2>/dev/null || true
kill -0 "$program" 2>/dev/null && fail "the program did not end when told to"
step "done"
