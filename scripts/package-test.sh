#!/usr/bin/env bash
# Checks the Debian package of the build with lintian, installs it with
# apt-get as a user would, checks the installed programs from a scratch
# folder, then removes the package again. usage: package-test.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
version=$(sed -n 's/^project(zmp VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
packages=("$build"/zmp_"$version"_*.deb)
[[ ${#packages[@]} -eq 1 && -f ${packages[0]} ]] || { echo "package-test: no single zmp_$version deb in $build" >&2; exit 1; }
deb=$(realpath "${packages[0]}")

# Debian's own checks, pedantic ones included; any error or warning fails.
lintian --fail-on error,warning --display-info --pedantic "$deb" ||
  { echo "package-test: lintian finds fault with $deb" >&2; exit 1; }
# dpkg removes the package: a source install's uninstall would remove dpkg's files.
! dpkg-deb -c "$deb" | grep -q -e uninstall.sh -e installed-files.txt ||
  { echo "package-test: $deb holds the source install's uninstall" >&2; exit 1; }

sudo=""
if [[ $(id -u) -ne 0 ]]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get -o DPkg::Lock::Timeout=300 install -y -qq "$deb"
trap '$sudo apt-get -o DPkg::Lock::Timeout=300 remove -y -qq zmp' EXIT

scratch=$(mktemp -d)
cd "$scratch"
fail() { echo "package-test: $*" >&2; exit 1; }
[[ "$(zmp-cli --version)" == "zmp-cli $version" ]] || fail "zmp-cli --version"
[[ "$(zmp --version)" == "zmp $version" ]] || fail "zmp --version"
XDG_CONFIG_HOME=$scratch zmp-cli new x.dat || fail "zmp-cli new"
[[ "$(head -c 6 x.dat)" == "[MAIN]" ]] || fail "x.dat does not start with [MAIN]"
! ldd /usr/bin/zmp | grep -q "not found" || fail "zmp misses libraries: $(ldd /usr/bin/zmp | grep 'not found')"
# The editor keeps running once its window is up; a missing library or
# plugin ends it at once.
status=0
XDG_CONFIG_HOME=$scratch XDG_RUNTIME_DIR=$scratch QT_QPA_PLATFORM=offscreen timeout 5 zmp || status=$?
[[ $status -eq 124 ]] || fail "zmp ended with status $status instead of running"
cd / && rm -rf "$scratch"
echo "package-test: zmp $version installs and runs"
