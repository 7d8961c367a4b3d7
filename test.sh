#!/usr/bin/env bash
# Installs what is missing, builds everything, runs every test, checks the
# Debian package and runs the fuzzers briefly.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSW_BUILD_TESTS=ON -DSW_BUILD_BENCH=ON >/dev/null
cmake --build build -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure --timeout 300 -j "$(nproc)"
# The Debian package, made from the same build and checked unpacked.
tools/package-check.sh
# Every fuzz target for 20 seconds on its seed corpus (clang, ASan, UBSan).
tools/fuzz.sh 20
# The Qt-free part built for Windows (MinGW-w64) and tested under Wine.
tools/windows-check.sh
