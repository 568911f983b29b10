# Shared by run.sh and test.sh: install what is missing, then configure and build.
# Sourced, not run.

ZRT_PACKAGES=(build-essential cmake ninja-build ccache pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-serialport-dev libgl1-mesa-dev libxkbcommon-dev
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-dev
    fonts-noto-cjk fonts-wqy-microhei fonts-dejavu-core poppler-utils qt6-translations-l10n xvfb xauth xdg-utils
    librsvg2-bin dpkg-dev desktop-file-utils appstream shared-mime-info libglib2.0-bin man-db bsdextrautils
    file bash-completion)

zrt_root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
zrt_jobs="${ZRT_JOBS:-2}"

zrt_install_missing() {
    local missing=()
    for p in "${ZRT_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        local sudo=""
        [ "$(id -u)" -ne 0 ] && sudo="sudo"
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

# zrt_build DIR [cmake options...]
zrt_build() {
    local dir="$1"
    shift
    if [ ! -f "$zrt_root/$dir/CMakeCache.txt" ]; then
        cmake -S "$zrt_root" -B "$zrt_root/$dir" -G Ninja "$@"
    fi
    cmake --build "$zrt_root/$dir" -j "$zrt_jobs"
}
