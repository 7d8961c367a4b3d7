#!/usr/bin/env bash
# Compares `sheetwright-cli print` with `sheetwright-cli render` on a sheet of
# one million entities (bench/MakeBigLayout.cpp): builds both programs,
# writes big.jww and big.swt into a temporary folder, runs each command RUNS
# times under /usr/bin/time -v and prints the median wall time and the
# median peak resident set size of each, with the ratios print/render.
# Then checks that the PDF is vector: no large raster image in it, and
# stroke operators in its content streams.
#
#   tools/print-vs-render.sh [make_big_layout options, e.g. --by-pen]
#   RUNS=3 by default; KEEP=1 keeps the folder. CPU seconds (user + sys) are
#   shown beside the wall times, which a busy machine stretches.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
runs=${RUNS:-3}

if [[ ! -x /usr/bin/time ]]; then
  sudo=""
  [[ "$(id -u)" -ne 0 ]] && sudo="sudo"
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends time >/dev/null
fi

[[ -f build/build.ninja ]] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSW_BUILD_BENCH=ON >/dev/null
cmake --build build --target make_big_layout sheetwright-cli >/dev/null

tmp=$(mktemp -d /tmp/print-vs-render.XXXXXX)
if [[ "${KEEP:-0}" != 1 ]]; then trap 'rm -rf "$tmp"' EXIT; fi
build/bench/make_big_layout "$tmp" "$@"

export QT_QPA_PLATFORM=offscreen
export SHEETWRIGHT_JWCAD_REGISTRY=examples/jwcad-settings.reg
cli=$root/build/src/cli/sheetwright-cli

# measure NAME ARGS...: RUNS timed runs; appends "wall-seconds kilobytes cpu-seconds"
# lines to $tmp/NAME.txt.
measure() {
  local name=$1
  shift
  : >"$tmp/$name.txt"
  for ((i = 1; i <= runs; i++)); do
    /usr/bin/time -v -o "$tmp/$name.time" "$cli" "$@"
    awk -F': ' '
      /Elapsed \(wall clock\)/ { n = split($2, p, ":"); s = 0; for (k = 1; k <= n; k++) s = s * 60 + p[k] }
      /Maximum resident set size/ { kb = $2 }
      /User time \(seconds\)|System time \(seconds\)/ { cpu += $2 }
      END { printf "%.2f %d %.2f\n", s, kb, cpu }' "$tmp/$name.time" >>"$tmp/$name.txt"
    echo "  $name run $i: $(tail -n 1 "$tmp/$name.txt" | awk '{ printf "%.2f s wall, %.2f s cpu, %.1f MB", $1, $3, $2 / 1024 }')"
  done
}

# median FILE COLUMN
median() { sort -g -k"$2","$2" "$1" | awk -v c="$2" '{ v[NR] = $c } END { print v[int((NR + 1) / 2)] }'; }

measure render render "$tmp/big.swt" "$tmp/out.png"
measure print print "$tmp/big.swt" "$tmp/out.pdf"

rs=$(median "$tmp/render.txt" 1) rk=$(median "$tmp/render.txt" 2) rc=$(median "$tmp/render.txt" 3)
ps=$(median "$tmp/print.txt" 1) pk=$(median "$tmp/print.txt" 2) pc=$(median "$tmp/print.txt" 3)
awk -v rs="$rs" -v rk="$rk" -v rc="$rc" -v ps="$ps" -v pk="$pk" -v pc="$pc" -v n="$runs" 'BEGIN {
  printf "median of %d runs      wall s   max RSS MB      cpu s\n", n
  printf "render             %8.2f   %10.1f   %8.2f\n", rs, rk / 1024, rc
  printf "print              %8.2f   %10.1f   %8.2f\n", ps, pk / 1024, pc
  printf "print / render     %8.2fx  %10.2fx  %8.2fx   (aim: <= 2x time, <= 1.5x memory)\n", ps / rs, pk / rk, pc / rc
}'

# Where print's time goes: Qt's PDF writer deflates every page stream at
# zlib's default level, a cost of the device that no caller can change. With
# perf at hand, one more run shows its share.
if command -v perf >/dev/null; then
  perf record -q -o "$tmp/perf.data" "$cli" print "$tmp/big.swt" "$tmp/out.pdf" >/dev/null 2>&1 || true
  share=$(perf report -i "$tmp/perf.data" --sort dso --stdio 2>/dev/null | awk '/libz\.so/ { print $1; exit }')
  echo "print samples in zlib (the PDF writer's compression): ${share:-unknown}"
fi

# Vector check: pdfimages lists every raster image with its size; a printed
# page rasterised at 600 dpi would show as one image of thousands of pixels
# a side. Then count stroke operators in the decompressed content stream.
pdf=$tmp/out.pdf
echo "PDF: $(stat -c %s "$pdf") bytes"
if command -v pdfimages >/dev/null; then
  images=$(pdfimages -list "$pdf" | awk 'NR > 2')
  big=$(printf '%s\n' "$images" | awk 'NF > 4 && ($4 > 1000 || $5 > 1000)' | wc -l)
  echo "pdfimages: $(printf '%s\n' "$images" | grep -c . || true) images, $big larger than 1000 px a side"
fi
python3 - "$pdf" <<'EOF'
import re, sys, zlib
data = open(sys.argv[1], "rb").read()
strokes = paths = 0
for m in re.finditer(rb"stream\r?\n", data):
    end = data.find(b"endstream", m.end())
    raw = data[m.end():end]
    try:
        raw = zlib.decompress(raw)
    except zlib.error:
        pass
    strokes += len(re.findall(rb"(?<![A-Za-z])S(?![A-Za-z])", raw))
    paths += len(re.findall(rb"(?<![A-Za-z])[ml](?![A-Za-z])", raw))
print(f"content streams: {strokes} stroke (S) and {paths} moveto/lineto (m, l) operators")
EOF
