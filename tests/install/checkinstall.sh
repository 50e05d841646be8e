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
share/bash-completion/completions/zmp-cli
share/fish/vendor_completions.d/zmp-cli.fish
share/zsh/vendor-completions/_zmp-cli
share/doc/zmp/README
share/doc/zmp/changelog.gz
share/doc/zmp/copyright
share/icons/hicolor/128x128/apps/org.zmp.zmp.png
share/icons/hicolor/16x16/apps/org.zmp.zmp.png
share/icons/hicolor/24x24/apps/org.zmp.zmp.png
share/icons/hicolor/256x256/apps/org.zmp.zmp.png
share/icons/hicolor/32x32/apps/org.zmp.zmp.png
share/icons/hicolor/48x48/apps/org.zmp.zmp.png
share/icons/hicolor/64x64/apps/org.zmp.zmp.png
share/icons/hicolor/scalable/apps/org.zmp.zmp.svg
share/lintian/overrides/zmp
share/man/man1/zmp-cli.1.gz
share/man/man1/zmp-radio-sim.1.gz
share/man/man1/zmp.1.gz
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
share/zmp/installed-files.txt
share/zmp/uninstall.sh
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
"$prefix/bin/zmp-radio-sim" --help | grep -q "^Usage: zmp-radio-sim" || fail "zmp-radio-sim --help"

# --help and --version need no display; without one the editor says it needs one.
headless=(env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY)
[[ "$("${headless[@]}" "$prefix/bin/zmp" --version)" == "zmp $version" ]] || fail "zmp --version without a display"
"${headless[@]}" "$prefix/bin/zmp" --help | grep -q "^Usage: zmp " || fail "zmp --help without a display"
[[ "$("${headless[@]}" "$prefix/bin/zmp-radio-sim" --version)" == "zmp-radio-sim $version" ]] ||
  fail "zmp-radio-sim --version"
status=0
"${headless[@]}" "$prefix/bin/zmp" x.dat 2> "$scratch/nodisplay.log" || status=$?
[[ $status == 1 ]] && grep -q "^zmp: the editor needs a display" "$scratch/nodisplay.log" ||
  fail "zmp without a display: exit $status, $(cat "$scratch/nodisplay.log")"

# The bash completion as bash loads it: commands, clear kinds, tables and models.
completes() {
  bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _zmp_cli; echo "${COMPREPLY[*]}"' \
    completion "$prefix/share/bash-completion/completions/zmp-cli" "$@"
}
[[ "$(completes zmp-cli ex)" == "export" ]] || fail "bash: zmp-cli ex completes to '$(completes zmp-cli ex)'"
[[ "$(completes zmp-cli --debug clear dsc)" == "dsc-log dsc-tx-log" ]] || fail "bash: clear dsc"
[[ "$(completes zmp-cli import x.dat me)" == "memory-id" ]] || fail "bash: import x.dat me"
[[ "$(completes zmp-cli --model '')" == "1 11" ]] || fail "bash: --model"
[[ "$(completes zmp-cli fleet '')" == "check program" ]] || fail "bash: fleet"
[[ "$(completes zmp-cli --port au)" == "auto" ]] || fail "bash: --port au completes to '$(completes zmp-cli --port au)'"

desktop-file-validate "$prefix/share/applications/org.zmp.zmp.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/org.zmp.zmp.metainfo.xml" > "$scratch/appstream.log" ||
  fail "appstreamcli validate: $(cat "$scratch/appstream.log")"
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/org.zmp.zmp.metainfo.xml" ||
  fail "metainfo names another version"

update-mime-database "$prefix/share/mime" 2> "$scratch/mime.log" || fail "update-mime-database: $(cat "$scratch/mime.log")"
! grep -q 'application/x-zmp-configuration' "$prefix/share/mime/globs2" ||
  fail "a glob claims files for application/x-zmp-configuration without reading them"
grep -aA1 '^\[60:application/x-zmp-configuration\]$' "$prefix/share/mime/magic" | grep -aq '^>0=.*\[MAIN\]$' ||
  fail "no [MAIN] magic for application/x-zmp-configuration"

for page in "$prefix"/share/man/man1/*.1.gz; do
  warnings=$(zcat "$page" | LC_ALL=C.UTF-8 groff -man -ww -z 2>&1)
  [[ -z "$warnings" ]] || fail "$page: $warnings"
done
# The uninstall script removes every file and folder the install made, and nothing else.
touch "$prefix/share/keep-me"
# update-mime-database's cache above is the desktop's, not the install's.
find "$prefix/share/mime" -mindepth 1 -maxdepth 1 ! -name packages -exec rm -rf {} +
"$prefix/share/zmp/uninstall.sh" > "$scratch/uninstall.log" || fail "uninstall.sh: $(cat "$scratch/uninstall.log")"
left=$(cd "$prefix" && find . -mindepth 1 | LC_ALL=C sort | tr '\n' ' ')
[[ "$left" == "./share ./share/keep-me " ]] || fail "uninstall.sh leaves: $left"
echo "install layout OK"
