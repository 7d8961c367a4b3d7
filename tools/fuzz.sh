#!/usr/bin/env bash
# tools/fuzz.sh SECONDS: builds the libFuzzer targets with clang under
# AddressSanitizer and UBSan (the libraries instrumented for coverage too),
# writes the seed corpora with our own writers and runs every target for
# SECONDS seconds on its corpus. A crash, a leak, an abort of a harness's
# own check or an allocation over the RSS limit fails the script; the
# reproducer is left in build-fuzz/findings.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}

SW_WITH_FUZZ=1 tools/install-deps.sh
if [[ ! -f build-fuzz/build.ninja ]]; then
  CXX=clang++ CC=clang cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSW_BUILD_FUZZ=ON \
    -DSW_SANITIZE=ON -DSW_BUILD_QT=OFF -DSW_BUILD_TESTS=OFF -DSW_BUILD_BENCH=OFF >/dev/null
fi
targets=(fuzz_jww_reader:jww fuzz_swt_file:swt fuzz_registry_file:reg fuzz_settings_import:reg)
cmake --build build-fuzz --target fuzz_make_seeds "${targets[@]%%:*}" >/dev/null
rm -rf build-fuzz/corpus
build-fuzz/fuzz/fuzz_make_seeds build-fuzz/corpus
mkdir -p build-fuzz/findings

failed=0
for t in "${targets[@]}"; do
  name=${t%%:*} seeds=${t##*:}
  work=build-fuzz/work-$name
  rm -rf "$work"
  cp -r "build-fuzz/corpus/$seeds" "$work"
  log=build-fuzz/$name.log
  if build-fuzz/fuzz/$name -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
      -artifact_prefix=build-fuzz/findings/ "$work" >"$log" 2>&1; then
    echo "$name: $(grep -Eo 'Done [0-9]+ runs' "$log" | tail -n 1 | awk '{print $2}') runs," \
      "$(grep -Eo 'exec/s: [0-9]+' "$log" | tail -n 1 | awk '{print $2}') per second," \
      "coverage $(grep -Eo 'cov: [0-9]+' "$log" | tail -n 1 | awk '{print $2}'), no finding"
  else
    echo "$name: FINDING (see $log and build-fuzz/findings)"
    tail -n 30 "$log"
    failed=1
  fi
done
exit $failed
