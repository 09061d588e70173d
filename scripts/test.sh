#!/usr/bin/env bash
# Builds everything and runs every test: the suite, the suite again under AddressSanitizer,
# UndefinedBehaviorSanitizer and LeakSanitizer, and each fuzzer for a bounded number of inputs.
# Installs what it needs on a fresh Debian 12 machine.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

configure() {  # build dir, then cmake options
  local dir=$1
  shift
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
}

configure build -DCMAKE_BUILD_TYPE=RelWithDebInfo
configure build-asan -DCMAKE_BUILD_TYPE=Debug -DKARVELOSTRUM_SANITIZE=ON
configure build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DKARVELOSTRUM_FUZZ=ON -DKARVELOSTRUM_TESTS=OFF

echo "== building"
cmake --build build -j "$jobs"
cmake --build build-asan -j "$jobs"
cmake --build build-fuzz -j "$jobs" --target fuzz_decode fuzz_integer_text fuzz_operator

echo "== fuzzers, bounded"
ctest --test-dir build-fuzz --output-on-failure

echo "== suite under the sanitizers"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"

echo "== suite"
ctest --test-dir build --output-on-failure -j "$jobs"
