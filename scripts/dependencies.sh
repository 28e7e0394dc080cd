# Installs the Debian packages the build and the tests need, when they are missing.
# Sourced by the other scripts; runs as root or through sudo.
quorvant_packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-svg-dev libgl-dev libgtest-dev
    libgmock-dev libbenchmark-dev fonts-dejavu-core ccache)

quorvant_install_missing() {
    local missing=() package
    for package in "${quorvant_packages[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends \
        "${missing[@]}"
}

# Configures and builds one of the project's presets (CMakePresets.json): linux, linux-asan,
# windows or fuzz; extra arguments go to the configure step.
quorvant_build() {
    local preset=$1
    shift
    (cd "$quorvant_root" && cmake --preset "$preset" "$@" >/dev/null &&
        cmake --build --preset "$preset" --parallel "$(nproc)")
}

# Packs the build in BUILD_DIR as a Debian package into BUILD_DIR/package; prints the package's path.
quorvant_package() {
    local build_dir=$1
    rm -rf "$build_dir/package"
    cpack --config "$build_dir/CPackConfig.cmake" -B "$build_dir/package" >&2
    echo "$build_dir"/package/quorvant_*.deb
}

# The main window of the Quorvant process PID on the current X display: its visible ordinary window
# named exactly "Quorvant". The splash and the message boxes carry that name too; Qt lists
# "normal" last among the types of every window, so they are told apart by their first type.
# Prints nothing while there is no such window. Needs xdotool and xprop (x11-utils).
quorvant_main_window() {
    local pid=$1 window type
    for window in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
        [ "$(xdotool getwindowname "$window" 2>/dev/null)" = Quorvant ] || continue
        type=$(xprop -id "$window" _NET_WM_WINDOW_TYPE 2>/dev/null |
            sed 's/^.* = //; s/_KDE_NET_WM_WINDOW_TYPE_OVERRIDE, //; s/,.*//')
        [ "$type" = _NET_WM_WINDOW_TYPE_NORMAL ] && echo "$window" && return 0
    done
    return 0
}

quorvant_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
