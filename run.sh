#!/usr/bin/env bash
# Installs what is missing, builds, and starts Zarnikfield.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZF_CORE_ONLY=OFF >/dev/null
cmake --build build -j "$(nproc)"
exec ./build/app/zfield --help "$@"
