# Shared by scripts/run and scripts/test: Debian packages and the build.
# shellcheck shell=bash

VARNHOLT_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

VARNHOLT_PACKAGES=(
  cmake g++ pkg-config
  libsdl1.2-dev libsdl-image1.2-dev libsdl-ttf2.0-dev libsdl-mixer1.2-dev libsdl-net1.2-dev
  libguichan-dev libxml2-dev libxml2-utils libpng-dev libgl-dev
  libgtest-dev libbenchmark-dev
  fonts-dejavu-core lame
  xvfb xfonts-base xdotool imagemagick python3 python3-xlib
  desktop-file-utils appstream
  clang libclang-rt-14-dev
)

# Installs whatever of the packages above is missing.
install_deps() {
  local missing=()
  local pkg
  for pkg in "${VARNHOLT_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing Debian packages: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# build <dir> [cmake options...]: configures once, then builds.
build() {
  local dir=$1
  shift
  cmake -S "$VARNHOLT_ROOT" -B "$dir" "$@" >/dev/null
  cmake --build "$dir" -j "$(nproc)"
}
