#!/bin/sh
# Builds the fuzz targets with clang and runs each for a while on a copy of
# its seed corpus: fuzz/run.sh [SECONDS] [TARGET...]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
build=${ZF_FUZZ_BUILD:-$root/build-fuzz}
seconds=${1:-60}
[ $# -gt 0 ] && shift
targets=${*:-"gop_v2 gop_v1 gop_v09 project_v2 project_v1 project_ini bitmap memory_image lesson"}

cmake -S "$root" -B "$build" -G Ninja -DZF_FUZZ=ON -DZF_CORE_ONLY=ON -DZF_BENCHMARKS=OFF \
    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZF_WERROR=OFF >/dev/null
cmake --build "$build"

for target in $targets; do
    corpus=$build/corpus/$target
    mkdir -p "$corpus" "$build/findings/$target"
    [ -d "$here/corpus/$target" ] && cp -n "$here/corpus/$target"/* "$corpus"/ 2>/dev/null || true
    [ "$target" = lesson ] && python3 "$here/lesson_seeds.py" "$corpus"
    echo "== zf_fuzz_$target for ${seconds}s"
    dict=
    case $target in gop_* | project_*) dict=-dict=$here/readers.dict ;; esac
    "$build/fuzz/zf_fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 $dict \
        -artifact_prefix="$build/findings/$target/" "$corpus"
done
