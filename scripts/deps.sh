# Sourced by the scripts: makes sure the Debian packages the build needs are there.
# ninja-build: Ninja keeps both cores busy to the end of a build, where make leaves one idle.
# As root it installs what is missing; otherwise it prints the one apt-get line to run.
# qt6-l10n-tools, qt6-tools-dev: lupdate and lrelease, and their CMake functions, for the English catalogue.
# qt6-base-private-dev: the log-size benchmark switches accessibility on through Qt's platform interface.
# dbus-daemon, at-spi2-core, libatspi2.0-dev: the same benchmark reads the viewer with a real screen
# reader client over the desktop's accessibility bus, under Xvfb.
# ansible-core: the tests drive the Ansible collection with it.
HX_PACKAGES="cmake g++ make ninja-build qt6-base-dev qt6-base-private-dev qt6-translations-l10n qt6-l10n-tools qt6-tools-dev libgl-dev libcsv-dev xvfb xauth xdg-utils dbus-daemon at-spi2-core libatspi2.0-dev ansible-core"
# What ./scripts/package needs on top: the library dependency scan, the icon renderer and the
# package validators.
HX_PACKAGE_TOOLS="dpkg-dev file librsvg2-bin desktop-file-utils appstream lintian"

# A tree made now is generated for Ninja; a tree made earlier keeps the generator it was made with.
hx_generator() {
    [ -f "$1/CMakeCache.txt" ] || echo "-G Ninja"
}

hx_ensure_packages() {
    local missing=()
    local pkg
    for pkg in $HX_PACKAGES "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing: ${missing[*]}"
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
    else
        echo "Missing packages. Run:"
        echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}"
        exit 1
    fi
}
