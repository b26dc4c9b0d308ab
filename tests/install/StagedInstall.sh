#!/usr/bin/env bash
# Installs the build as the package does (prefix /usr) into a staging folder through DESTDIR, checks
# the installed layout, and runs the installed programs the way a user starts them: through their
# links in usr/bin, from a working folder of their own, with a home folder of their own. The
# command line must answer exactly as the programs of the build folder do, the desktop program must
# render its screenshots offscreen, and nothing may be written beside the installed files.
#
# Usage: StagedInstall.sh BUILD_DIR CMAKE
set -euo pipefail

build=$(cd "$1" && pwd)
cmake=$2
stage=$build/install-test
root=$stage/root
rm -rf "$stage"
mkdir -p "$root" "$stage/home" "$stage/work" "$stage/shots"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

DESTDIR=$root "$cmake" --install "$build" --prefix /usr >"$stage/install.log" ||
    fail "cmake --install failed: $(cat "$stage/install.log")"

# The layout: programs and data together, links in usr/bin, the desktop entry, the icons, the
# manual pages and the documents.
lib=usr/lib/korvani
for file in $lib/korvani $lib/korvani-cli \
    $lib/Zelmar.dll $lib/OrvFile.dll $lib/OrvBirth.dll $lib/dream.dll $lib/Tgcode.dll \
    usr/share/applications/korvani.desktop usr/share/icons/hicolor/scalable/apps/korvani.svg \
    usr/share/man/man1/korvani.1.gz usr/share/man/man1/korvani-cli.1.gz \
    usr/share/man/zh_CN/man1/korvani.1.gz usr/share/man/zh_CN/man1/korvani-cli.1.gz \
    usr/share/doc/korvani/README.md usr/share/doc/korvani/copyright usr/share/doc/korvani/changelog.gz; do
    [ -f "$root/$file" ] || fail "not installed: /$file"
done
for program in korvani korvani-cli; do
    [ -x "$root/$lib/$program" ] || fail "/$lib/$program is not executable"
    [ -L "$root/usr/bin/$program" ] || fail "/usr/bin/$program is not a link"
    # Relative, so that it points into the same tree wherever the tree is unpacked.
    target=$(readlink "$root/usr/bin/$program")
    [ "$target" = "../lib/korvani/$program" ] || fail "/usr/bin/$program points to $target"
done
# Each PNG icon has the size its folder names (width and height from the PNG header).
for size in 16 22 24 32 48 64 128 256; do
    png=$root/usr/share/icons/hicolor/${size}x${size}/apps/korvani.png
    [ -f "$png" ] || fail "no ${size}x${size} icon"
    read -r width height < <(od -An -tu1 -j16 -N8 "$png" |
        awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4, $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 }')
    [ "$width $height" = "$size $size" ] || fail "the ${size}x${size} icon is ${width}x${height}"
done
desktop-file-validate --no-hints "$root/usr/share/applications/korvani.desktop" ||
    fail "korvani.desktop does not validate"
grep -qx 'Exec=korvani' "$root/usr/share/applications/korvani.desktop" || fail "korvani.desktop does not start korvani"

snapshot() { (cd "$root" && find . -printf '%p %y %m %s %T@\n' | LC_ALL=C sort); }
snapshot >"$stage/before.txt"

# The installed programs run in a clean environment: PATH, a home and XDG folders of their own,
# the staging work folder as the current folder (no data files there). A sanitizer build keeps its
# options.
run() {
    (cd "$stage/work" && env -i PATH=/usr/bin:/bin HOME="$stage/home" LANG=C.UTF-8 \
        ${ASAN_OPTIONS:+ASAN_OPTIONS=$ASAN_OPTIONS} ${UBSAN_OPTIONS:+UBSAN_OPTIONS=$UBSAN_OPTIONS} \
        XDG_CONFIG_HOME="$stage/home/.config" XDG_DATA_HOME="$stage/home/.local/share" \
        XDG_CACHE_HOME="$stage/home/.cache" XDG_RUNTIME_DIR="$stage/home/runtime" \
        QT_QPA_PLATFORM=offscreen "$@")
}
mkdir -m 0700 "$stage/home/runtime"

# One command for each data file and the report that reads them all; the answers of the installed
# korvani-cli must be those of the build's.
birth=(--surname 张 --given 明 --sex 男 --calendar solar --year 1980 --month 5 --day 17 --hour 8 --minute 30)
commands=(
    "lunar 2024-02-10"
    "strokes 宏达"
    "meaning 24"
    "almanac 2024-02-10"
    "dream --search 蛇"
    "phone 13800138000"
    "pillars 1980-05-17 8 30 男"
)
for command in "${commands[@]}"; do
    read -r -a words <<<"$command"
    expected=$("$build/bin/korvani-cli" "${words[@]}") || fail "build korvani-cli $command failed"
    [ -n "$expected" ] || fail "build korvani-cli $command printed nothing"
    actual=$(run "$root/usr/bin/korvani-cli" "${words[@]}") || fail "installed korvani-cli $command failed"
    [ "$actual" = "$expected" ] || fail "installed korvani-cli $command: '$actual', the build's: '$expected'"
done
expected=$("$build/bin/korvani-cli" analyze "${birth[@]}" --prefix 上海 --body 宏达 --suffix 贸易)
actual=$(run "$root/usr/bin/korvani-cli" analyze "${birth[@]}" --prefix 上海 --body 宏达 --suffix 贸易) ||
    fail "installed korvani-cli analyze failed"
[ "$actual" = "$expected" ] || fail "installed korvani-cli analyze differs from the build's"
[ "$(printf '%s\n' "$actual" | wc -l)" -gt 20 ] || fail "the analysis report is too short"

# The desktop program, offscreen: every page and window to a PNG file.
output=$(run "$root/usr/bin/korvani" --screenshots "$stage/shots") || fail "korvani --screenshots failed: $output"
written=$(printf '%s\n' "$output" | sed -n 's/^\([0-9][0-9]*\) screenshots written to .*/\1/p')
[ "${written:-0}" -gt 0 ] || fail "korvani --screenshots said: $output"
shots=$(find "$stage/shots" -name '*.png' -size +0 | wc -l)
[ "$shots" -eq "$written" ] || fail "korvani --screenshots said $written but wrote $shots files"
for png in "$stage/shots"/*.png; do
    [ "$(od -An -c -j1 -N3 "$png" | tr -d ' ')" = "PNG" ] || fail "$png is no PNG file"
done

# Nothing written beside the installed files, nor in the working folder.
snapshot >"$stage/after.txt"
diff -u "$stage/before.txt" "$stage/after.txt" >&2 || fail "the installed tree changed while the programs ran"
[ -z "$(ls -A "$stage/work")" ] || fail "the programs wrote into the working folder: $(ls -A "$stage/work")"

echo "installed under $root: $(cd "$root" && find . -type f | wc -l) files; $written screenshots"
