#!/usr/bin/env bash
# Installs the built program into a scratch prefix and checks the tree as a desktop would use it: every file
# in place, the desktop entry and the AppStream metainfo valid, the MIME database built in the prefix naming
# a data file by its first bytes (and no other .dat file), both manual pages rendering, the bash completion
# answering, the programs running from the prefix's bin. Then builds the Debian package and lists its
# control fields and files.
#
#   scripts/check-install.sh [BUILD_DIR]      (default: build; built first when needed)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../scripts_common.sh"

build="${1:-build}"
zrt_install_missing
zrt_build "$build"
build="$zrt_root/$build"

prefix="$build/install-check/prefix"
work="$build/install-check/work"
rm -rf "$build/install-check"
mkdir -p "$work"
fail() { echo "install check: $*" >&2; exit 1; }

echo "== Install into $prefix =="
cmake --install "$build" --prefix "$prefix" >"$work/install.log"

app_id="$(sed -n 's/^ZRT_APP_ID:STRING=//p' "$build/CMakeCache.txt")"
[ -n "$app_id" ] || fail "ZRT_APP_ID missing from the build's cache"
share="$prefix/share"
expected=(
    bin/zr-t410 bin/zr-t410-cli
    share/zr-t410/help/en/index.html share/zr-t410/help/zh/index.html share/zr-t410/help/style.css
    "share/applications/$app_id.desktop" "share/metainfo/$app_id.metainfo.xml"
    share/mime/packages/zr-t410.xml
    share/icons/hicolor/scalable/apps/zr-t410.svg
    share/icons/hicolor/scalable/mimetypes/application-x-zr-t410-data.svg
    share/man/man1/zr-t410.1.gz share/man/man1/zr-t410-cli.1.gz
    share/bash-completion/completions/zr-t410 share/bash-completion/completions/zr-t410-cli
)
for size in 16 22 24 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/zr-t410.png"
        "share/icons/hicolor/${size}x${size}/mimetypes/application-x-zr-t410-data.png")
done
for f in "${expected[@]}"; do
    [ -s "$prefix/$f" ] || fail "missing: $f"
done
for size in 16 22 24 32 48 64 128 256; do
    file "$prefix/share/icons/hicolor/${size}x${size}/apps/zr-t410.png" | grep -q "PNG image data, $size x $size" ||
        fail "the ${size}px icon is not a ${size}x${size} PNG"
done
echo "${#expected[@]} files in place"

echo "== Desktop entry and metainfo =="
desktop-file-validate "$share/applications/$app_id.desktop"
grep -q '^MimeType=application/x-zr-t410-data;' "$share/applications/$app_id.desktop" || fail "desktop entry without the MIME type"
grep -q '^Name\[zh_CN\]=' "$share/applications/$app_id.desktop" || fail "desktop entry without a Chinese name"
appstreamcli validate --no-net --pedantic "$share/metainfo/$app_id.metainfo.xml"

echo "== MIME type by content =="
# It notes that the scratch prefix is not where applications look; that is the point here.
update-mime-database "$share/mime" >"$work/mime.log" 2>&1 || { cat "$work/mime.log" >&2; fail "update-mime-database"; }
printf 'QMV274\377\377\377\377V0100' >"$work/radio.dat"
head -c 3072 /dev/zero >>"$work/radio.dat"
printf 'QMX274 is the radio, not a data file\n' >"$work/other.dat"
head -c 3120 /dev/zero >"$work/zeros.dat"
content_type() {
    XDG_DATA_HOME="$work/no-user-data" XDG_DATA_DIRS="$share" \
        gio info -a standard::content-type "$1" 2>/dev/null | sed -n 's/.*standard::content-type: //p'
}
[ "$(content_type "$work/radio.dat")" = application/x-zr-t410-data ] ||
    fail "a data file is $(content_type "$work/radio.dat"), not application/x-zr-t410-data"
for other in other.dat zeros.dat; do
    type="$(content_type "$work/$other")"
    [ "$type" != application/x-zr-t410-data ] || fail "$other was taken for a data file"
    echo "$other: $type"
done
echo "radio.dat: application/x-zr-t410-data"

echo "== Manual pages =="
for page in zr-t410 zr-t410-cli; do
    text="$(MANWIDTH=80 man --warnings -l "$share/man/man1/$page.1.gz" 2>"$work/man-$page.err" | col -b)"
    [ ! -s "$work/man-$page.err" ] || { cat "$work/man-$page.err" >&2; fail "$page(1) has warnings"; }
    echo "$text" | grep -q "^NAME" || fail "$page(1) does not render"
    echo "$page(1): $(echo "$text" | wc -l) lines"
done
text="$(MANWIDTH=80 man -l "$share/man/man1/zr-t410-cli.1.gz" | col -bx)"
# Every command that --help names.
commands="$("$prefix/bin/zr-t410-cli" --help | sed -n '/^Commands:/,/^$/s/^  \([a-z]*\) .*/\1/p')"
[ -n "$commands" ] || fail "zr-t410-cli --help names no command"
for command in $commands; do
    echo "$text" | grep -Eq "^ {7}$command( |\$)" || fail "zr-t410-cli(1) does not document $command"
done

echo "== Bash completion =="
# complete_words COMMAND WORDS...: what Tab offers for the last word.
complete_words() {
    bash -c 'source /usr/share/bash-completion/bash_completion; source "$1"; shift
        COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); COMP_LINE="$*"; COMP_POINT=${#COMP_LINE}
        $(complete -p "$1" | sed "s/.*-F \([^ ]*\) .*/\1/"); printf "%s\n" "${COMPREPLY[@]}"' \
        _ "$share/bash-completion/completions/$1" "$@"
}
[ "$(complete_words zr-t410-cli wr)" = write ] || fail "completion of a command"
complete_words zr-t410-cli write --ver | grep -qx -- --verify || fail "completion of an option"
(cd "$work" && complete_words zr-t410-cli show r) | grep -qx radio.dat || fail "completion of a data file"
(cd "$work" && complete_words zr-t410 r) | grep -qx radio.dat || fail "completion of zr-t410's file"
complete_words zr-t410 --res | grep -qx -- --reset-settings || fail "completion of zr-t410's option"
echo "commands, options and data files complete"

echo "== The programs run from the prefix =="
"$prefix/bin/zr-t410-cli" show "$work/radio.dat" >/dev/null
QT_QPA_PLATFORM=offscreen "$prefix/bin/zr-t410" --version | grep -q "ZR-T410" || fail "zr-t410 --version"

echo "== Debian package =="
rm -rf "$build/package"
(cd "$build" && cpack -G DEB >"$work/cpack.log") || { cat "$work/cpack.log" >&2; fail "cpack"; }
deb="$(ls "$build"/package/zr-t410_*.deb)"
dpkg-deb -I "$deb"
dpkg-deb -c "$deb"
depends="$(dpkg-deb -f "$deb" Depends)"
for needed in libqt6widgets6 libqt6serialport6 fonts-noto-cjk qt6-translations-l10n; do
    [[ "$depends" == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done
[ "$(dpkg-deb -f "$deb" Section)" = hamradio ] || fail "section is not hamradio"
contents="$(dpkg-deb -c "$deb")"
for doc in copyright changelog.gz; do
    grep -q "/usr/share/doc/zr-t410/$doc\$" <<<"$contents" || fail "package lacks /usr/share/doc/zr-t410/$doc"
done
echo "Package: $deb"
echo "install check: passed"
