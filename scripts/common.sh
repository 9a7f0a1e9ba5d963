# Shared by scripts/run and scripts/test: install what is missing, configure, build.
# Sourced, not run.
set -euo pipefail

HB_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
HB_BUILD=${HB_BUILD:-$HB_ROOT/build}

HB_PACKAGES=(cmake ninja-build ccache g++ pkg-config qt6-base-dev libqt6sql6-sqlite
             qt6-serialport-dev libsqlite3-dev poppler-utils fonts-dejavu-core xvfb xauth)

hb_install_missing() {
    local missing=()
    for p in "${HB_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing packages: ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null; then sudo=sudo; else
            echo "Missing packages (${missing[*]}) and no root rights: install them and run again." >&2
            exit 1
        fi
    fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

hb_build() {
    if [ ! -f "$HB_BUILD/build.ninja" ]; then
        cmake -S "$HB_ROOT" -B "$HB_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    fi
    cmake --build "$HB_BUILD" --parallel "$(nproc)"
}
