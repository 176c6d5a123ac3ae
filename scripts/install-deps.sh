#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the application need,
# only those that are missing, quietly.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config clang clang-format
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-qpa-plugins qt6-multimedia-dev qt6-svg-dev libgl-dev
  qt6-l10n-tools qt6-translations-l10n  # lupdate, lrelease; Qt's own texts
  fonts-liberation2 xvfb xauth
  poppler-utils   # the print tests count and rasterise PDF pages
  dpkg-dev file   # the Debian package: dpkg-shlibdeps and the binaries' types
  emscripten googletest   # the WebAssembly build; GoogleTest's sources for it
  chromium        # the browser edition's tests drive the page in it
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: ${missing[*]} (run as root to install them)" >&2
    exit 1
  fi
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
