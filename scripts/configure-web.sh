#!/usr/bin/env bash
# Configures the WebAssembly build in DIR (the core, its tests and the
# browser module) with emscripten's CMake wrapper; more CMake options may
# follow. Release: the tests run at the speed the page will. ccache, where
# there is one, serves emscripten's compiler as well as the native one.
set -euo pipefail
dir=${1:?usage: scripts/configure-web.sh DIR [CMAKE OPTIONS]}
shift
cd "$(dirname "$0")/.."
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
emcmake cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZF_CORE_ONLY=ON \
  -DZF_BENCHMARKS=OFF "${launcher[@]}" "$@" >/dev/null
