#!/usr/bin/env bash
# Installs everything the build, the tests, the fuzzers, the benchmarks and the Debian package
# (`make deb` and its checks in CI) need, on a machine that has nothing but the base system.
# No compiler cache is needed.
# Idempotent: does nothing when every package is already present.
set -euo pipefail

packages=(
  cmake make g++ pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  qt6-base-dev qt6-svg-dev libgl-dev qt6-translations-l10n
  fonts-liberation xvfb xauth xdotool imagemagick
  libexpat1-dev libcadical-dev
  python3-markdown librsvg2-bin
  dpkg-dev file lintian desktop-file-utils appstream
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
