#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks the installed copy.
# usage: checkinstall.sh BUILD_DIR VERSION SCRATCH_DIR
set -euo pipefail
build=$1 version=$2 scratch=$3
prefix=$scratch/prefix

fail() { echo "FAIL: $*" >&2; exit 1; }

rm -rf "$scratch"
mkdir -p "$scratch/elsewhere"
"${CMAKE_COMMAND:-cmake}" --install "$build" --prefix "$prefix" > "$scratch/install.log"

expected=$(cat <<'LIST'
bin/zmp
bin/zmp-cli
bin/zmp-radio-sim
share/applications/org.zmp.zmp.desktop
share/doc/zmp/README
share/icons/hicolor/128x128/apps/org.zmp.zmp.png
share/icons/hicolor/16x16/apps/org.zmp.zmp.png
share/icons/hicolor/24x24/apps/org.zmp.zmp.png
share/icons/hicolor/256x256/apps/org.zmp.zmp.png
share/icons/hicolor/32x32/apps/org.zmp.zmp.png
share/icons/hicolor/48x48/apps/org.zmp.zmp.png
share/icons/hicolor/64x64/apps/org.zmp.zmp.png
share/icons/hicolor/scalable/apps/org.zmp.zmp.svg
share/man/man1/zmp-cli.1
share/man/man1/zmp-radio-sim.1
share/man/man1/zmp.1
share/metainfo/org.zmp.zmp.metainfo.xml
share/mime/packages/org.zmp.zmp.xml
share/zmp/CAN-M_1130.ini
share/zmp/CAN_1130.ini
share/zmp/INTL-M_1130.ini
share/zmp/INTL_1130.ini
share/zmp/QMxx.HLP
share/zmp/QMxx_NA.HLP
share/zmp/USA-M_1130.ini
share/zmp/USA_1130.ini
share/zmp/global.ini
LIST
)
installed=$(cd "$prefix" && find . -type f | sed 's#^\./##' | LC_ALL=C sort)
[[ "$installed" == "$(LC_ALL=C sort <<<"$expected")" ]] ||
  fail "installed files differ from the expected ones:
$(diff <(LC_ALL=C sort <<<"$expected") <(echo "$installed") || true)"

# The programs find share/zmp from their own location, whatever the working folder.
cd "$scratch/elsewhere"
[[ "$("$prefix/bin/zmp-cli" --version)" == "zmp-cli $version" ]] || fail "zmp-cli --version"
[[ "$("$prefix/bin/zmp" --version)" == "zmp $version" ]] || fail "zmp --version"
"$prefix/bin/zmp-cli" new x.dat || fail "zmp-cli new"
[[ "$(head -c 6 x.dat)" == "[MAIN]" ]] || fail "x.dat does not start with [MAIN]"
"$prefix/bin/zmp-cli" destinations | grep -q USA || fail "zmp-cli destinations lists no USA"
"$prefix/bin/zmp-radio-sim" --help | grep -q "^usage: zmp-radio-sim" || fail "zmp-radio-sim --help"

desktop-file-validate "$prefix/share/applications/org.zmp.zmp.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/org.zmp.zmp.metainfo.xml" > "$scratch/appstream.log" ||
  fail "appstreamcli validate: $(cat "$scratch/appstream.log")"
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/org.zmp.zmp.metainfo.xml" ||
  fail "metainfo names another version"

update-mime-database "$prefix/share/mime" 2> "$scratch/mime.log" || fail "update-mime-database: $(cat "$scratch/mime.log")"
grep -qx '50:application/x-zmp-configuration:\*\.dat' "$prefix/share/mime/globs2" ||
  fail "no *.dat glob for application/x-zmp-configuration"
grep -aA1 '^\[60:application/x-zmp-configuration\]$' "$prefix/share/mime/magic" | grep -aq '^>0=.*\[MAIN\]$' ||
  fail "no [MAIN] magic for application/x-zmp-configuration"

for page in "$prefix"/share/man/man1/*.1; do
  warnings=$(LC_ALL=C.UTF-8 groff -man -ww -z "$page" 2>&1)
  [[ -z "$warnings" ]] || fail "$page: $warnings"
done
echo "install layout OK"
