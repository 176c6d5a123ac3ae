#!/usr/bin/env bash
# Builds the browser edition's site and measures it in headless Chromium:
# bench/web/run.sh [SITE_DIR] (build-web-bench-site by default).
set -euo pipefail
cd "$(dirname "$0")/../.."
site=${1:-build-web-bench-site}
web/build.sh "$site" >/dev/null
if [ ! -d tests/web/browser/node_modules/puppeteer-core ]; then
  (cd tests/web/browser && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --prefer-offline --no-audit --no-fund >/dev/null)
fi
exec node bench/web/measure.mjs "$site"
