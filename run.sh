#!/usr/bin/env bash
# Installs what is missing, builds, and starts Zarnikfield on the bundled
# example project (or on the project or Go Program given as an argument).
# With --web [PORT]: builds the browser edition and serves it on localhost.
set -euo pipefail
cd "$(dirname "$0")"

if [ "${1:-}" = "--web" ]; then
  web/build.sh build-web-site
  python3 tools/web-stamp.py build-web-site
  exec python3 tools/web-serve.py build-web-site "${2:-8080}"
fi

./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZF_CORE_ONLY=OFF >/dev/null
cmake --build build -j "$(nproc)"

target=${1:-build/app/example/town.zfp}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting Zarnikfield on a virtual one (xvfb-run)." >&2
  exec xvfb-run -a ./build/app/zarnikfield "$target"
fi
exec ./build/app/zarnikfield "$target"
