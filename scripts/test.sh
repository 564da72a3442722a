#!/bin/sh
# Installs what is missing, builds everything and runs every test (unit,
# fuzz-corpus replays and the end-to-end runs of the real program under Xvfb).
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
BUILD_DIR="${BUILD_DIR:-build}"
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$BUILD_DIR" -j"$(nproc)"
cd "$BUILD_DIR"
ctest --output-on-failure -j"$(nproc)" "$@"
