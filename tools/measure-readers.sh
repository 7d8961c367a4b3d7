#!/usr/bin/env bash
# Times the readers on large generated inputs: wall time and peak memory of
# sheetwright-cli on each (GNU time -v). Usage:
#   tools/measure-readers.sh [BUILD_DIR] [CLI]
# BUILD_DIR holds tools/sw-make-stress-inputs (default: build); CLI is the
# sheetwright-cli to measure (default: BUILD_DIR/src/cli/sheetwright-cli).
set -euo pipefail
build=${1:-build}
cli=${2:-$build/src/cli/sheetwright-cli}
make=$build/tools/sw-make-stress-inputs
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

measure() {  # name command...
  local name=$1
  shift
  local status=0
  /usr/bin/time -v "$@" >/dev/null 2>"$work/time" || status=$?
  local wall rss
  wall=$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$work/time")
  rss=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time")
  printf '%-28s exit %d  %10s  %8s KB\n' "$name" "$status" "$wall" "$rss"
}

for input in "linetype 100000" "linetype 1000000" "linetype 10000000" \
            "hexlines 1800000" "hexlines 8000000" "hexlines 18000000" \
            "junk 50000000" "utf16 20000000" "keys 20000000"; do
  set -- $input
  "$make" "$1" "$2" "$work/in.reg"
  measure "settings $1 $(stat -c %s "$work/in.reg")" "$cli" settings --registry "$work/in.reg"
done
for input in "classes 2200000" "classes 22000000"; do
  set -- $input
  "$make" "$1" "$2" "$work/in.jww"
  measure "info $1 $(stat -c %s "$work/in.jww")" "$cli" info "$work/in.jww"
done
"$make" blocks 10000000 "$work/blocks.jww"
measure "render blocks (50k)" "$cli" render "$work/blocks.jww" "$work/out.png" --size 400x300
