#!/usr/bin/env bash
# Builds the console and launches it on the simulated timer unit.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target karvelostrum-demo

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found; running under Xvfb (screen :99)." >&2
  exec xvfb-run -a -s "-screen 0 1400x900x24" ./build/app/karvelostrum-demo
fi
exec ./build/app/karvelostrum-demo
