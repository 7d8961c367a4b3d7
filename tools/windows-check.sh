#!/usr/bin/env bash
# tools/windows-check.sh: builds the Qt-free part of the program for 64-bit
# Windows with MinGW-w64 (core, jww, layout, settings, geometry, render,
# edit, their tests and sheetwright-cli.exe with the commands that draw
# nothing), runs the tests under Wine in a throw-away prefix, then runs
# sheetwright-cli.exe on every drawing of ../shared/fixtures/jww and of
# examples/ and compares its output byte for byte with the Linux build's.
# Exits non-zero on any failure.
#
# Paths in the comparison: both tools run in the same folder and are given
# the same relative file names, so a path they print as given is the same
# text. A path the tool makes absolute itself (the base drawing of `layout`)
# is printed in the platform's own form; in the Windows output the form of
# the folder the tools run in ("Z:\\work\\...\\", Wine's drive Z: being /) is
# turned into its Unix form before the comparison, and nothing else. The
# registries `settings` names as its sources differ by design (a file, or
# HKEY_CURRENT_USER) and are left out. The Windows tool writes "\n" line
# ends as the Linux one does.
#
# Environment: SW_WIN_BUILD (default build-win) is the MinGW build folder;
# SW_LINUX_BUILD (default build) is the Linux build whose sheetwright-cli is
# the reference when it is configured there, else a Qt-free one is built in
# build-win-host.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

SW_WITH_WINDOWS=1 tools/install-deps.sh
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver64)
[ -x "$wine" ] || { echo "wine64 not found" >&2; exit 1; }

tests=(core_tests jww_tests layout_tests settings_tests geometry_tests render_tests edit_tests examples_tests)
jobs=${SW_JOBS:-2}

# The Windows build.
win=${SW_WIN_BUILD:-build-win}
if [[ ! -f $win/build.ninja ]]; then
  cmake -S . -B "$win" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release \
    -DSW_BUILD_QT=OFF -DSW_BUILD_BENCH=OFF -DSW_BUILD_TESTS=ON >/dev/null
fi
cmake --build "$win" -j "$jobs" --target "${tests[@]}" sheetwright-cli >/dev/null

# The Linux tool the output is compared with.
lin=${SW_LINUX_BUILD:-build}
if [[ ! -f $lin/build.ninja ]]; then
  lin=build-win-host
  if [[ ! -f $lin/build.ninja ]]; then
    cmake -S . -B "$lin" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSW_BUILD_QT=OFF -DSW_BUILD_BENCH=OFF \
      -DSW_BUILD_TESTS=OFF >/dev/null
  fi
fi
cmake --build "$lin" -j "$jobs" --target sheetwright-cli >/dev/null
lincli=$root/$lin/src/cli/sheetwright-cli
wincli=$root/$win/src/cli/sheetwright-cli.exe

# A throw-away Wine prefix, and a folder for the outputs.
work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset SHEETWRIGHT_JWCAD_REGISTRY SHEETWRIGHT_CONFIG DISPLAY
cleanup() {
  "$wineserver" -k >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT
"$wine" wineboot -i >/dev/null 2>&1

failed=0
# The tests, each executable once; its summary lines say how many passed.
for t in "${tests[@]}"; do
  exe=$(find "$win/tests" -name "$t.exe" | head -n 1)
  log=$work/$t.log
  if "$wine" "$exe" --gtest_brief=1 >"$log" 2>&1; then
    echo "$t.exe: $(grep -a -Eo 'PASSED  \] [0-9]+' "$log" | grep -Eo '[0-9]+$') passed," \
      "$(grep -a -Eo 'SKIPPED \] [0-9]+' "$log" | grep -Eo '[0-9]+$' || echo 0) skipped under Wine"
  else
    echo "$t.exe: FAILED under Wine"
    grep -a -E 'Failure|FAILED|error' "$log" | head -n 40
    failed=1
  fi
done
# The registry as Wine keeps it (user.reg), with what the tests imported.
"$wineserver" -w

# The tool's output, Linux against Windows: stdout, stderr, exit status and
# the files it writes.
compare() {  # compare FOLDER ARGS...: runs both tools in FOLDER
  local dir=$1
  shift
  (cd "$dir"; set +e; "$lincli" "$@" >"$work/lin.out" 2>"$work/lin.err"; echo $? >"$work/lin.rc")
  (cd "$dir"; set +e; "$wine" "$wincli" "$@" >"$work/win.raw" 2>"$work/win.err"; echo $? >"$work/win.rc")
  perl -pe 'BEGIN { $w = shift; $u = shift } s/\Q$w\E/$u/g' "Z:${dir//\//\\\\}\\\\" "$dir/" <"$work/win.raw" >"$work/win.out"
  for k in out err rc; do
    if ! cmp -s "$work/lin.$k" "$work/win.$k"; then
      echo "sheetwright-cli $*: the $k differs (in $dir)"
      diff "$work/lin.$k" "$work/win.$k" | head -n 10 || true
      failed=1
    fi
  done
  compared=$((compared + 1))
}
compared=0
fixtures=$root/../shared/fixtures/jww
folders=("$root/examples")
[ -d "$fixtures" ] && folders+=("$fixtures") || echo "no $fixtures: only examples/ compared"
for dir in "${folders[@]}"; do
  for f in "$dir"/*.jww; do
    compare "$dir" info "$(basename "$f")"
    compare "$dir" blocks "$(basename "$f")"
  done
done
compare "$root/examples" layout sample.swt
# Both save the layout again (a Unix path is on Wine's drive Z:, which is /).
(cd examples; set +e; "$lincli" resave sample.swt "$work/lin.swt"; "$wine" "$wincli" resave sample.swt "$work/win.swt")
cmp -s "$work/lin.swt" "$work/win.swt" || { echo "resave: the saved layouts differ"; failed=1; }
compared=$((compared + 1))
# Errors: a missing file, a file that is no drawing, a usage error, a drawing command.
compare "$root/examples" info none.jww
compare "$root/examples" info jwcad-settings.reg
compare "$root/examples" info
compare "$root/examples" frobnicate
# Settings from a registry file, then Jw_cad's keys of the prefix: the file
# backend reads user.reg, the Windows tool reads the same keys from the
# registry itself.
export SHEETWRIGHT_CONFIG=$work/own/Sheetwright.reg
compare "$root/examples" settings --registry jwcad-settings.reg
unset SHEETWRIGHT_CONFIG
# The Linux tool takes both Jw_cad's keys and the program's own from user.reg.
(cd examples; set +e; SHEETWRIGHT_CONFIG=$WINEPREFIX/user.reg "$lincli" settings >"$work/lin.out" 2>&1)
(cd examples; set +e; "$wine" "$wincli" settings >"$work/win.out" 2>&1)
sources() { sed -E 's/^(    "(jwcad|own)": )".*"(,?)$/\1"(source)"\3/' "$1"; }
if ! grep -q '"jwcad": "HKEY_CURRENT_USER"' "$work/win.out"; then
  echo "settings: the Windows tool did not read Jw_cad's keys from the registry"
  head -n 5 "$work/win.out"
  failed=1
elif ! cmp -s <(sources "$work/lin.out") <(sources "$work/win.out"); then
  echo "settings: Wine's registry read natively differs from its user.reg read as a file"
  diff <(sources "$work/lin.out") <(sources "$work/win.out") | head -n 10 || true
  failed=1
fi
compared=$((compared + 1))
# The drawing commands are absent without Qt, and say so.
(cd examples; "$wine" "$wincli" render sample.swt "$work/x.png" >/dev/null 2>"$work/render.err") && failed=1
grep -q "not available in this build" "$work/render.err" || { echo "render: no clear refusal"; failed=1; }

echo "sheetwright-cli.exe: $compared command lines compared with the Linux tool$([ $failed = 0 ] && echo ', all identical')"
exit $failed
