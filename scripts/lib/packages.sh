# Sourced by the scripts: installs the Debian packages that are missing, and nothing else.

# The packages the Linux build, its tests and the run command need.
linux_build_packages=(cmake make g++ pkg-config qt6-base-dev libgl-dev libgtest-dev
                      xvfb xauth fonts-dejavu-core)

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
