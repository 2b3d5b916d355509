# Sourced by the scripts: installs the Debian packages that are missing, and nothing else.

# The packages the Linux build, its tests and the run command need.
linux_build_packages=(cmake make g++ pkg-config qt6-base-dev libgl-dev libgtest-dev
                      xvfb xauth fonts-dejavu-core)

# The sanitizer build and the fuzz targets: clang with libFuzzer and the sanitizer runtimes.
reliability_packages=(clang libclang-rt-14-dev)

# The Windows exe: the MinGW-w64 cross compilers and windres, icoutils to read its resources,
# and 64-bit Wine on an Xvfb display for the end-to-end tests.
windows_build_packages=(cmake g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686
                        binutils-mingw-w64-x86-64 make icoutils wine64 xvfb)

# Installs each named package that is not installed yet; needs root (or sudo) only then.
ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    echo "Installing missing packages: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "Please install as root: ${missing[*]}" >&2; return 1; }
        sudo=(sudo)
    fi
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -q
    "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}
