#!/usr/bin/env bash
# Builds the Debian package and checks it without installing it: the control
# fields, the file list, the desktop entry, the MIME types, the manual page,
# and the command-line tool run from a copy of the package unpacked into a
# temporary folder (render proves the tool finds its drawing program there).
# Uses build/ (or SW_PACKAGE_BUILD_DIR) as it is configured; configures it
# without tests and benchmarks only when it holds no build yet.
set -euo pipefail
cd "$(dirname "$0")/.."

build="${SW_PACKAGE_BUILD_DIR:-build}"
failures=0
fail() { echo "package-check: FAILED: $*" >&2; failures=$((failures + 1)); }
need() { command -v "$1" >/dev/null || { echo "package-check: $1 is missing (run tools/install-deps.sh)" >&2; exit 1; }; }
for tool in dpkg-deb dpkg-shlibdeps desktop-file-validate update-mime-database; do need "$tool"; done

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSW_BUILD_TESTS=OFF -DSW_BUILD_BENCH=OFF >/dev/null
fi
rm -f "$build"/sheetwright_*.deb
if ! cmake --build "$build" -j "$(nproc)" --target package >"$build/package.log" 2>&1; then
  cat "$build/package.log" >&2
  echo "package-check: the package did not build" >&2
  exit 1
fi
debs=("$build"/sheetwright_*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
  echo "package-check: expected one $build/sheetwright_*.deb, found: ${debs[*]}" >&2
  exit 1
fi
deb="${debs[0]}"
echo "package-check: $deb"

# Control fields and the file name dpkg would give the package.
field() { dpkg-deb -f "$deb" "$1"; }
expected="$build/$(field Package)_$(field Version)_$(field Architecture).deb"
[ "$deb" = "$expected" ] || fail "the package is named $deb, not $expected"
[ "$(field Package)" = sheetwright ] || fail "Package is $(field Package)"
[ "$(field Section)" = graphics ] || fail "Section is $(field Section)"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture is $(field Architecture)"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ -n "$(field Description)" ] || fail "no Description"
depends="$(field Depends)"
depnames="$(tr ',|' '\n\n' <<<"$depends" | sed 's/(.*//; s/ //g')"
for dep in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 fonts-ipafont-gothic; do
  grep -qxF "$dep" <<<"$depnames" || fail "Depends does not name $dep: $depends"
done

# The file list.
dpkg-deb -c "$deb" | tee "$build/package-files.txt"
files="$(awk '{print $6}' "$build/package-files.txt" | sed 's|^\./|/|')"
required=(
  /usr/bin/sheetwright
  /usr/bin/sheetwright-cli
  /usr/lib/sheetwright/sheetwright-cli-draw
  /usr/share/sheetwright/manual.html
  /usr/share/sheetwright/examples/sample.jww
  /usr/share/sheetwright/examples/sample.swt
  /usr/share/sheetwright/examples/jwcad-settings.reg
  /usr/share/applications/sheetwright.desktop
  /usr/share/mime/packages/sheetwright.xml
  /usr/share/icons/hicolor/scalable/apps/sheetwright.svg
  /usr/share/icons/hicolor/48x48/apps/sheetwright.png
  /usr/share/icons/hicolor/256x256/apps/sheetwright.png
  /usr/share/man/man1/sheetwright-cli.1.gz
)
for f in "${required[@]}"; do grep -qxF "$f" <<<"$files" || fail "the package lacks $f"; done
grep -qxF /usr/bin/sheetwright-cli-draw <<<"$files" && fail "the drawing program is in /usr/bin"
[ -z "$(awk '$2 != "root/root"' "$build/package-files.txt")" ] || fail "files not owned by root/root"

# The package unpacked into a temporary root.
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root/pkg"
pkg="$root/pkg"

for p in usr/bin/sheetwright usr/bin/sheetwright-cli usr/lib/sheetwright/sheetwright-cli-draw; do
  [ -x "$pkg/$p" ] || { fail "$p is not executable"; continue; }
  missing="$(ldd "$pkg/$p" | grep 'not found' || true)"
  [ -z "$missing" ] || fail "$p needs libraries that are not on the system: $missing"
done

# The help command finds the manual through this relative path from bin/.
grep -aqF '/../share/sheetwright/manual.html' "$pkg/usr/bin/sheetwright" ||
  fail "sheetwright does not look for its manual in ../share/sheetwright"
for picture in $(grep -o 'src="[^"]*"' "$pkg/usr/share/sheetwright/manual.html" | sed 's/^src="//; s/"$//'); do
  [ -f "$pkg/usr/share/sheetwright/$picture" ] || fail "the manual's picture $picture is not installed beside it"
done

# The desktop entry, and the MIME types it claims are those the package defines.
desktop="$pkg/usr/share/applications/sheetwright.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects sheetwright.desktop"
grep -qx 'Exec=sheetwright %f' "$desktop" || fail "the desktop entry does not run 'sheetwright %f'"
mimexml="$pkg/usr/share/mime/packages/sheetwright.xml"
if command -v xmllint >/dev/null; then
  xmllint --noout "$mimexml" || fail "sheetwright.xml is not well-formed"
else
  echo "package-check: xmllint is missing; sheetwright.xml not parsed on its own"
fi
for type in $(sed -n 's/^MimeType=//p' "$desktop" | tr ';' ' '); do
  grep -qF "type=\"$type\"" "$mimexml" || fail "the desktop entry claims $type, which sheetwright.xml does not define"
done

# The globs as the MIME database compiles them: case-insensitive unless ":cs".
mime="$root/mime"
mkdir -p "$mime/packages"
cp "$mimexml" "$mime/packages/"
update-mime-database "$mime" >"$root/mime.log" 2>&1 ||
  fail "update-mime-database rejects sheetwright.xml: $(cat "$root/mime.log")"
for pair in 'application/x-sheetwright-layout *.swt' 'application/x-jww *.jww'; do
  read -r type glob <<<"$pair"
  line="$(grep -F ":$type:$glob" "$mime/globs2" || true)"
  [ -n "$line" ] || fail "no glob $glob for $type in the compiled database"
  [[ "$line" == *:cs* ]] && fail "the glob $glob for $type is case-sensitive"
done
grep -q 'application/x-sheetwright-layout' "$mime/magic" 2>/dev/null || fail "no magic for the layout type"

# The manual page.
grep -q '^\.TH SHEETWRIGHT-CLI 1' <<<"$(zcat "$pkg/usr/share/man/man1/sheetwright-cli.1.gz")" ||
  fail "sheetwright-cli.1.gz is not the manual page"

# The tool from the unpacked tree, on the unpacked example.
cli="$pkg/usr/bin/sheetwright-cli"
examples="$pkg/usr/share/sheetwright/examples"
export QT_QPA_PLATFORM=offscreen SHEETWRIGHT_CONFIG="$root/config.reg"
if "$cli" info "$examples/sample.jww" >"$root/info.json"; then
  grep -q '"JWWLines"' "$root/info.json" || fail "sheetwright-cli info printed no line count"
else
  fail "sheetwright-cli info on the example drawing"
fi
if "$cli" render "$examples/sample.swt" "$root/sheet.png" --registry "$examples/jwcad-settings.reg"; then
  [ "$(head -c 8 "$root/sheet.png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] ||
    fail "sheetwright-cli render wrote no PNG"
else
  fail "sheetwright-cli render of the example layout (its drawing program or its drawing not found?)"
fi

if [ "$failures" -ne 0 ]; then
  echo "package-check: $failures check(s) failed" >&2
  exit 1
fi
echo "package-check: all checks passed"
