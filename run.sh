#!/usr/bin/env bash
# Installs what is missing, builds, and runs the program on the bundled example.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target sheetwright-cli sw-make-example
out=build/example
mkdir -p "$out"
build/examples/sw-make-example "$out"
echo "Example drawing: $out/sample.jww"
build/src/cli/sheetwright-cli info "$out/sample.jww"
