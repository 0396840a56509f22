#!/usr/bin/env bash
# Installs what building, running and testing HELVARRA needs on Debian or Ubuntu.
# Only missing packages are installed; nothing is done when all are present.
set -euo pipefail

# `install-deps.sh bench` adds what the benchmarks compare with and measure by.
packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6svg6 libgl-dev
  libgtest-dev googletest libgmock-dev libbenchmark-dev zlib1g-dev libdeflate-dev
  fonts-liberation2 fontconfig
  xvfb xdotool x11-utils poppler-utils openbox
  qt6-qpa-plugins libxkbcommon-x11-0
  desktop-file-utils appstream libxml2-utils shared-mime-info dpkg-dev file
)
if [ "${1:-}" = bench ]; then
  packages+=(python3-matplotlib python3-pandas time)
elif [ "${1:-}" = fuzz ]; then
  packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "install-deps: need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  sudo="sudo"
fi
echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
