#!/usr/bin/env bash
# Builds every benchmark in a Release tree of its own and runs each
# zf_bench_* executable in turn. Extra arguments go to every benchmark
# (for example --benchmark_filter=Run).
set -euo pipefail
cd "$(dirname "$0")/.."

build=${ZF_BENCH_BUILD:-build-bench}
jobs=${ZF_BENCH_JOBS:-2}

# Warnings are gated by test.sh; an optimiser-only warning must not stop a
# measurement.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZF_CORE_ONLY=OFF \
  -DZF_BENCHMARKS=ON -DZF_WERROR=OFF >/dev/null
targets=$(ninja -C "$build" -t targets all | sed -n 's/^\(zf_bench_[A-Za-z0-9_]*\): .*/\1/p' | sort -u)
if [ -z "$targets" ]; then
  echo "no benchmarks found" >&2
  exit 1
fi
# shellcheck disable=SC2086
ninja -C "$build" -j "$jobs" $targets

status=0
for target in $targets; do
  exe=$(find "$build" -type f -name "$target" -perm -u+x | head -n 1)
  echo "== $target"
  "$exe" "$@" || status=1
done
exit $status
