#!/usr/bin/env bash
# The Debian package as a player gets it: built by CPack, installed with apt-get, started as
# its menu entry starts it to the title screen in an X server, saving in the per-user folder
# and nowhere beside the program, then removed again without leaving a file behind.
#   package_test.sh CPACK BUILD_DIR APP_ID
# Needs root (CI runs as root); skipped (status 77) otherwise, and when some tennis-kantoku
# package is installed already, which the test leaves alone.
. "$(dirname "$0")/lib.sh"
cpack="$1" build="$2" id="$3"
package=tennis-kantoku
skip() { echo "skipped: $*"; exit 77; }
installed() { dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; }

[ "$(id -u)" -eq 0 ] || skip "installing a package needs root"
command -v apt-get >/dev/null || skip "no apt-get on this machine"
# One package test at a time on a machine.
exec 9>"${TMPDIR:-/tmp}/tennis-kantoku-package-test.lock"
flock -w 900 9 || tk_fail "another package test holds the lock"
installed && skip "a $package package is installed already"

work="$(mktemp -d "${TMPDIR:-/tmp}/tk-package-XXXXXX")"
ours=""
remove_package() {
    [ -n "$ours" ] && apt-get remove --purge -y -q -o DPkg::Lock::Timeout=300 "$package" >/dev/null 2>&1
    rm -rf "$work"
}
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; rm -rf "$work"; tk_fail "cpack -G DEB failed"; }
deb="$(ls "$work"/${package}_*.deb)"
depends="$(dpkg-deb -f "$deb" Depends)"
for needed in fonts-noto-cjk libqt6widgets6 libc6; do
    grep -q "$needed" <<<"$depends" || { rm -rf "$work"; tk_fail "the package does not depend on $needed: $depends"; }
done

ours=1
export DEBIAN_FRONTEND=noninteractive
apt-get install -y -q -o DPkg::Lock::Timeout=300 "$deb" >"$work/apt.log" 2>&1 ||
    { cat "$work/apt.log"; remove_package; tk_fail "apt-get install $deb failed"; }
files="$(dpkg -L "$package")"
entry="/usr/share/applications/$id.desktop"
[ -f "$entry" ] || { remove_package; tk_fail "no menu entry"; }
[ -f "/usr/share/icons/hicolor/48x48/apps/$id.png" ] || { remove_package; tk_fail "no icon"; }
# Started as the menu starts it: the command of the entry's Exec line, found on the PATH.
command="$(command -v "$(sed -n 's/^Exec=//p' "$entry")")"
[ "$command" = /usr/bin/tennis-kantoku ] || { remove_package; tk_fail "Exec runs '$command'"; }

tk_setup_installed "$command"
trap 'tk_cleanup; remove_package' EXIT
tk_start
tk_wait_window BeginForm
tk_wait_widget SaveData0
# The title is drawn with the game's own font copy, installed beside its data.
grep -q /usr/share/tennis-kantoku/fonts/KantokuSans-Regular.otf "/proc/$TK_PID/maps" ||
    tk_fail "the installed game does not draw with its font copy"
[ -s /usr/share/tennis-kantoku/fonts/LICENSE ] || tk_fail "the font copy comes without its licence"
# Erasing slot 1 writes its file: where the installed game keeps its saves.
tk_click EraseDatas0
tk_wait_window MesQWin
tk_click_text はい
tries=50
while [ ! -s "$TK_DATA/Save0.Kumo" ] && [ "$tries" -gt 0 ]; do sleep 0.1; tries=$((tries - 1)); done
[ -s "$TK_DATA/Save0.Kumo" ] || tk_fail "erasing データ1 wrote nothing in the per-user folder $TK_DATA"
[ ! -e /usr/bin/Data ] || tk_fail "the installed game made /usr/bin/Data"
kill "$TK_PID"
tk_wait_exit

apt-get remove --purge -y -q -o DPkg::Lock::Timeout=300 "$package" >"$work/apt.log" 2>&1 ||
    { cat "$work/apt.log"; tk_fail "apt-get remove failed"; }
ours=""
installed && tk_fail "the package is still installed"
left=""
while IFS= read -r path; do
    [ -n "$path" ] && [ ! -d "$path" ] && [ -e "$path" ] && left+="$path "
done <<<"$files"
[ -z "$left" ] || tk_fail "files left after removing the package: $left"
echo "ok: package installed, title screen from /usr/bin, saves in $TK_DATA, removed cleanly"
