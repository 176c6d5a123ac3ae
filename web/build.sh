#!/usr/bin/env bash
# Builds the browser edition's static site into DIR: the WebAssembly module
# and the page's own files, ready for any static web server.
set -euo pipefail
out=${1:?usage: web/build.sh DIR}
root=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$out"
out=$(cd "$out" && pwd)
cd "$root"

if ! command -v emcmake >/dev/null || [ ! -d /usr/src/googletest ]; then
  echo "Installing emscripten"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends emscripten googletest >/dev/null
fi
build=${ZF_WEB_BUILD:-build-web}
./scripts/configure-web.sh "$build"
cmake --build "$build" -j "$(nproc)" --target zarnikfield_web
for file in zarnikfield.js zarnikfield.wasm zarnikfield.data; do
  cp "$build/app/web/$file" "$out/"
done
# The page: everything in web/ but its tests, its tools and this script.
find web -mindepth 1 -maxdepth 1 ! -name tests ! -name node_modules ! -name build.sh \
  ! -name 'package*.json' -exec cp -r {} "$out/" \;
# The help books, opened in the page.
rm -rf "$out/help"
cp -r resources/help "$out/help"
# The offline copy is named by the site's contents, so a new build replaces it.
if [ -f tools/web-stamp.py ]; then
  python3 tools/web-stamp.py "$out"
fi
echo "Built into $out"
