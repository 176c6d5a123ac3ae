#!/usr/bin/env bash
# Builds the Debian package of Zarnikfield (zarnikfield_VERSION-1_ARCH.deb)
# in this folder, from a build tree of its own; its dependencies come from
# the libraries the programs link. Install it with
#   apt install ./zarnikfield_*.deb
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh
build=build-package
# The browser edition goes in too, for a school's web server.
web/build.sh "$build-web-site"
# Debian's hardening and optimisation flags, as a Debian build would use.
eval "$(dpkg-buildflags --export=sh)"
export CXXFLAGS="$CXXFLAGS $CPPFLAGS"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZF_CORE_ONLY=OFF \
  -DZF_BENCHMARKS=OFF -DZF_TESTS=OFF -DCMAKE_INSTALL_PREFIX=/usr \
  -DZF_WEB_SITE="$PWD/$build-web-site" >/dev/null
cmake --build "$build" -j "$(nproc)"
(cd "$build" && cpack -G DEB)
cp "$build"/zarnikfield_*.deb .
ls zarnikfield_*.deb
