# Shared by run.sh, test.sh and bench.sh: installs what is missing from
# Debian's packages and configures a build directory.
set -euo pipefail

VEKTUM_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
VEKTUM_PACKAGES=(cmake g++ make qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools libgl-dev libgtest-dev libbenchmark-dev
                 fonts-liberation2 fonts-dejavu-core qt6-translations-l10n xvfb xauth
                 desktop-file-utils appstream man-db dpkg-dev ccache libtomlplusplus-dev)

# ensure_packages [extra packages...]
ensure_packages() {
    local wanted=("${VEKTUM_PACKAGES[@]}" "$@") missing=() p
    for p in "${wanted[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$p")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Устанавливаются пакеты / installing packages: ${missing[*]}"
    if [ "$(id -u)" -eq 0 ]; then
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
    elif command -v sudo >/dev/null 2>&1; then
        sudo apt-get update -qq
        sudo DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
    else
        echo "Please install these Debian packages as root: apt-get install ${missing[*]}" >&2
        exit 1
    fi
}

# configure_build DIR [cmake options...]
# Compilations go through ccache when it is there: paths below the source tree
# are hashed relative to it, so clones and worktrees share one cache.
configure_build() {
    local dir=$1; shift
    local launcher=()
    if command -v ccache >/dev/null 2>&1; then
        export CCACHE_BASEDIR="$VEKTUM_ROOT" CCACHE_NOHASHDIR=true
        launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    fi
    cmake -S "$VEKTUM_ROOT" -B "$dir" "${launcher[@]}" "$@" >/dev/null
}

# build_googletest BUILD_DIR INSTALL_DIR [cmake options...]
# GoogleTest (without GoogleMock) built from Debian's source (package
# googletest, /usr/src/googletest) with the given options, such as a toolchain
# file, and installed into INSTALL_DIR, once: for a compiler or standard
# library that Debian's own GoogleTest library was not built with.
build_googletest() {
    local build=$1 install=$2; shift 2
    [ -f "$install/lib/cmake/GTest/GTestConfig.cmake" ] && return 0
    cmake -S /usr/src/googletest -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_GMOCK=OFF \
          -DCMAKE_INSTALL_PREFIX="$install" "$@" >/dev/null
    cmake --build "$build" --parallel "${VEKTUM_JOBS:-$(nproc)}" >/dev/null
    cmake --install "$build" >/dev/null
}
