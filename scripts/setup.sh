# Sourced by play.sh and test.sh: installs the Debian packages the build needs.
# The game itself:
GAME_PACKAGES="g++ cmake ninja-build pkg-config libsdl2-dev libsdl2-mixer-dev libx11-dev libfreetype-dev xfonts-base zlib1g-dev"
# The tests, the benchmarks, the fuzz targets and the real-window check on top (test.sh):
TEST_PACKAGES="libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-dev xvfb xdotool"

missing_packages() {
    local p missing=""
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
    done
    echo "$missing"
}

# ensure_packages PACKAGE...
ensure_packages() {
    local missing
    missing=$(missing_packages "$@")
    [ -z "$missing" ] && return 0
    if [ "$(id -u)" = 0 ]; then
        echo "Installing:$missing"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq && apt-get install -y -qq --no-install-recommends $missing >/dev/null || return 1
    else
        echo "Missing packages. Install them with:"
        echo "  sudo apt-get install$missing"
        return 1
    fi
}
