#!/usr/bin/env bash
# Installs what is missing, checks formatting and that includes point down
# the layers, builds everything, runs the core tests under AddressSanitizer
# and UndefinedBehaviorSanitizer, then the core's tests and the browser
# edition built to WebAssembly (under Node and in headless Chromium), and
# last every native test.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh

echo "== formatting"
git ls-files -co --exclude-standard -- '*.cpp' '*.h' | xargs -r clang-format --dry-run -Werror

echo "== layers"
./scripts/check-layers.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

echo "== sanitizer build (core)"
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DZF_SANITIZE=ON -DZF_CORE_ONLY=ON -DZF_BENCHMARKS=OFF >/dev/null
cmake --build build-sanitize -j "$jobs"
ctest --test-dir build-sanitize -j "$jobs" --output-on-failure

echo "== build"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZF_CORE_ONLY=OFF >/dev/null
cmake --build build -j "$jobs"

echo "== WebAssembly build (core tests under Node, the page in headless Chromium)"
./scripts/configure-web.sh build-web -DZF_NATIVE_ZFIELD="$PWD/build/app/zfield"
cmake --build build-web -j "$jobs"
ctest --test-dir build-web -j "$jobs" --output-on-failure

echo "== tests"
ctest --test-dir build -j "$jobs" --output-on-failure
