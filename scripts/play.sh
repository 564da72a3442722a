#!/bin/sh
# Installs what is missing, builds Fieldstack and starts it.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
BUILD_DIR="${BUILD_DIR:-build}"
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$BUILD_DIR" -j"$(nproc)" --target fieldstack content
cd "$BUILD_DIR/game"
exec ./fieldstack
