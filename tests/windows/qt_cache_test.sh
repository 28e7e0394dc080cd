#!/usr/bin/env bash
# The cache of Qt for Windows (scripts/windows-qt.sh), with the fetch and the build played by the
# test: a build that stops half-way leaves nothing to be used, a finished one is used again
# without building, and one whose stamp is gone is built again.
set -euo pipefail
source "$(dirname "$0")/../../scripts/windows-qt.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QUORVANT_QT_CACHE=$work/cache
fail() {
    echo "Qt cache: FAILED: $*" >&2
    exit 1
}
# The builds, one line each: the cache runs in command substitutions, whose variables go.
builds() { wc -l <"$work/builds"; }
: >"$work/builds"
quorvant_fetch_qt_source() { mkdir -p "$1/source"; }
# Half a build, then it stops, as an interrupted or broken one does.
quorvant_configure_and_build_qt() {
    echo build >>"$work/builds"
    mkdir -p "$2/bin" && : >"$2/bin/Qt6Core.dll"
    [ -z "${broken:-}" ]
}

broken=1
if prefix=$(quorvant_windows_qt 2>/dev/null); then fail "a broken build was taken for a Qt"; fi
[ -z "$(ls -A "$QUORVANT_QT_CACHE")" ] || fail "a broken build left $(ls "$QUORVANT_QT_CACHE")"
unset broken
prefix=$(quorvant_windows_qt 2>/dev/null)
[ "$(quorvant_windows_qt 2>/dev/null)" = "$prefix" ] && [ "$(builds)" -eq 2 ] ||
    fail "a finished build was not used again"
[ -f "$prefix/.complete" ] && [ -f "$prefix/bin/Qt6Core.dll" ] && [ ! -e "$prefix.work" ] ||
    fail "the finished build is not as it should be"
rm "$prefix/.complete"  # as an interrupted build leaves it
: >"$prefix/half-built"
quorvant_windows_qt >/dev/null 2>&1
[ "$(builds)" -eq 3 ] && [ ! -e "$prefix/half-built" ] ||
    fail "a build without its stamp was used"
echo "Qt cache: passed"
