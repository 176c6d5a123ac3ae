#!/usr/bin/env bash
# Drives the built site (web/build.sh DIR) in headless Chromium.
set -euo pipefail
[ $# -eq 1 ] || { echo "usage: $0 SITE_DIR" >&2; exit 2; }
site=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)

if [ ! -x /usr/bin/chromium ]; then
  if [ "$(id -u)" -eq 0 ]; then
    apt-get install -y chromium >/dev/null
  else
    echo "Chromium is missing: apt-get install chromium" >&2
    exit 1
  fi
fi

cd "$here"
if [ ! -d node_modules/puppeteer-core ]; then
  # Never a browser of its own: the tests use the system's Chromium.
  PUPPETEER_SKIP_DOWNLOAD=1 npm ci --prefer-offline --no-audit --no-fund >/dev/null
fi
# One file at a time: each starts a browser of its own.
shopt -s nullglob
ZF_SITE="$site" exec node --test --test-concurrency=1 drive-page.mjs ./*.test.mjs
