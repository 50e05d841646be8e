#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian 12 machine.
# Idempotent: packages already present are not asked for again, so a second
# run with nothing missing finishes in seconds.
set -euo pipefail

packages=(
  g++ cmake ninja-build make pkg-config
  qt6-base-dev qt6-serialport-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang clang-format-14 clang-tidy-14
  poppler-utils fonts-liberation2 fonts-dejavu-core openbox x11-utils
  desktop-file-utils appstream shared-mime-info groff-base file dpkg-dev python3 lintian
  xvfb xauth dbus dbus-x11 at-spi2-core python3-pyatspi
)

# `setup.sh windows` adds what the Windows cross-build and its tests need.
if [[ "${1:-}" == "windows" ]]; then
  packages+=(g++-mingw-w64-x86-64-posix wine64 googletest)
fi

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "setup: installing ${missing[*]}"
sudo=""
if [[ $(id -u) -ne 0 ]]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
