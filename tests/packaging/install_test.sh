#!/usr/bin/env bash
# Installs the build into a temporary prefix and runs the installed program
# headless, as a user would after "cmake --install" or from the package.
#   install_test.sh BUILD_DIR SOURCE_DIR VERSION
set -euo pipefail
build=$1 source=$2 version=$3
prefix=$(cd "$(mktemp -d)" && pwd -P)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "install test: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
exe="$prefix/bin/kelvra"
[ -x "$exe" ] || fail "bin/kelvra was not installed"
for f in share/applications/kelvra.desktop share/icons/hicolor/scalable/apps/kelvra.svg; do
  [ -f "$prefix/$f" ] || fail "$f was not installed"
done
# Every data file of the source tree, unchanged.
count=0
while IFS= read -r f; do
  cmp -s "$source/resources/$f" "$prefix/share/kelvra/$f" || fail "share/kelvra/$f missing or different"
  count=$((count + 1))
done < <(cd "$source/resources" && find help pictures maps -type f ! -name 'README*' ! -name '.*')
[ "$count" -gt 0 ] || fail "no data files found in the source tree"

# The installed program, with nothing of the build around it: no display, an
# empty settings folder, no data folder given.
run() { env -i PATH=/usr/bin:/bin HOME="$prefix/home" KELVRA_HOME="$prefix/home" "$@"; }
mkdir -p "$prefix/home"
out=$(run "$exe" --version)
[ "$(sed -n 1p <<<"$out")" = "kelvra $version" ] || fail "--version printed: $out"
[ "$(sed -n 2p <<<"$out")" = "data folder: $prefix/share/kelvra" ] || fail "--version printed: $out"
# The program in the build tree finds the build tree's copy the same way.
out=$(run "$build/src/kelvra" --version)
[ "$(sed -n 2p <<<"$out")" = "data folder: $build/share/kelvra" ] || fail "build tree --version: $out"

# The headless default job and a command.
run "$exe" >/dev/null || fail "kelvra without a command failed"
out=$(run "$exe" riseset --date 2020-06-21 --lang en --json)
grep -q '"sun":{' <<<"$out" || fail "riseset printed: $out"
# A picture, where the program has the drawing window.
if run "$exe" --help | grep -q '^  draw '; then
  run env QT_QPA_PLATFORM=offscreen "$exe" draw -o "$prefix/dial.png" --size 300x200 2>/dev/null ||
    fail "draw failed"
  [ "$(head -c 4 "$prefix/dial.png" | od -An -c | tr -d ' ')" = "211PNG" ] || fail "dial.png is no PNG"
fi

# The desktop entry: German and English names, valid where the checker exists.
desktop="$prefix/share/applications/kelvra.desktop"
grep -q '^Name=' "$desktop" && grep -q '^Name\[de\]=' "$desktop" || fail "desktop entry lacks a name"
grep -qx 'Exec=kelvra' "$desktop" || fail "desktop entry does not start kelvra"
if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$desktop"; fi
echo "install test: $count data files, the program runs from $prefix"
