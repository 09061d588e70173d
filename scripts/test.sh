#!/usr/bin/env bash
# Builds everything and runs every test. Installs what it needs on a fresh Debian 12 machine.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh

jobs=$(nproc)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"

export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j "$jobs"
