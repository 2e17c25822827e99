# Debian 12 packages of the project; sourced by the set-up and test scripts.
ZERAN_BUILD_PACKAGES="build-essential cmake pkg-config qt6-base-dev libqt6sql6-ibase libfbclient2 firebird-dev
  firebird3.0-server-core firebird3.0-utils libxlsxwriter-dev libcurl4-openssl-dev libsodium-dev fonts-dejavu-core qt6-translations-l10n
  libreoffice-calc-nogui python3-uno"
ZERAN_TEST_PACKAGES="firebird3.0-server poppler-utils unzip openssl python3-openpyxl python3-xlrd python3-aiosmtpd xvfb xauth"
# Only the benchmarks (bench/run measures peak memory with it).
ZERAN_BENCH_PACKAGES="time"

# Installs what is missing (as root); quiet when everything is there already.
zeran_install() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "== Kuruluyor: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    # The server package must not try to start a service here (no init system in containers).
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
}

zeran_build() {
    local dir=${1:-build}
    # A compiler cache, where one is installed, lets several build folders share their objects.
    local launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
    cmake --build "$dir" -j"$(nproc)"
}
