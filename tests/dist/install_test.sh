#!/usr/bin/env bash
# cmake --install into a fresh prefix: the game, its menu entry, its icons and its AppStream
# metainfo where the desktop looks for them, each valid, and nothing else.
#   install_test.sh CMAKE BUILD_DIR APP_ID VERSION MODULE...
# MODULE: the modules the game opens when first needed and its font copy, relative to the
# prefix.
set -u
cmake="$1" build="$2" id="$3" version="$4"
shift 4
modules=("$@")
prefix="$(mktemp -d "${TMPDIR:-/tmp}/tk-install-XXXXXX")"
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$cmake" --install "$build" --prefix "$prefix" >"$prefix/install.log" 2>&1 ||
    { cat "$prefix/install.log"; fail "cmake --install failed"; }
rm "$prefix/install.log"

expected=(bin/tennis-kantoku "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml"
    "${modules[@]}")
for size in 16 22 24 32 48 64 128 256 512; do
    icon="share/icons/hicolor/${size}x${size}/apps/$id.png"
    expected+=("$icon")
    [ -f "$prefix/$icon" ] || fail "no $icon"
    file "$prefix/$icon" | grep -q "PNG image data, $size x $size" || fail "$icon is not $size x $size"
done
for f in "${expected[@]}"; do [ -f "$prefix/$f" ] || fail "no $f"; done
installed="$(cd "$prefix" && find . -type f | sort | sed 's|^\./||')"
wanted="$(printf '%s\n' "${expected[@]}" | sort)"
[ "$installed" = "$wanted" ] || fail "installed files differ:"$'\n'"$(diff <(echo "$wanted") <(echo "$installed"))"

desktop="$prefix/share/applications/$id.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate refuses $desktop"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry does not name the icon $id"
grep -qx "Categories=Game;StrategyGame;" "$desktop" || fail "the desktop entry is not a strategy game"
grep -qx "Name\[ja\]=テニス監督" "$desktop" || fail "the desktop entry has no Japanese name"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" ||
    fail "appstreamcli refuses the metainfo"
"$prefix/bin/tennis-kantoku" --version | grep -qF "tennis-kantoku) $version" ||
    fail "the installed game does not tell its version"
echo "ok: installed into a fresh prefix, desktop entry and metainfo valid"
