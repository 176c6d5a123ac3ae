#!/usr/bin/env bash
# Measures how long Zarnikfield takes from launch to its first paint: starts
# the program on a virtual display several times, each with a fresh home and
# runtime folder, and prints the time to the window's map and to its first
# painted menu bar and the processor time used until then, then the medians.
#   bench/startup.sh [PROGRAM [ARGUMENTS...]]
# PROGRAM defaults to the installed zarnikfield, else the build tree's;
# STARTUP_RUNS sets the number of runs (default 9).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi
# A desktop session has a session bus; without one Qt tries to start a bus
# on every launch, which no real start pays for.
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] && command -v dbus-run-session >/dev/null; then
  exec dbus-run-session -- "$0" "$@"
fi

if [ $# -eq 0 ]; then
  if [ -x /usr/bin/zarnikfield ]; then
    set -- /usr/bin/zarnikfield
  else
    set -- "$here/../build/app/zarnikfield"
  fi
fi
runs=${STARTUP_RUNS:-9}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
c++ -O2 -std=c++20 "$here/startup_probe.cpp" -lX11 -o "$work/probe"

# One warm-up start so that every measured run finds the files in the cache.
maps=()
paints=()
cpus=()
for run in $(seq 0 "$runs"); do
  home="$work/home$run"
  mkdir -p "$home/runtime" "$home/config" "$home/Documents"
  chmod 700 "$home/runtime"
  result=$(env -u QT_QPA_PLATFORM HOME="$home" XDG_RUNTIME_DIR="$home/runtime" \
    XDG_CONFIG_HOME="$home/config" XDG_DOCUMENTS_DIR="$home/Documents" \
    "$work/probe" "$@")
  [ "$run" -eq 0 ] && continue
  read -r map paint cpu <<<"$result"
  echo "run $run: window mapped after $map ms, first paint after $paint ms, $cpu ms of processor time"
  maps+=("$map")
  paints+=("$paint")
  cpus+=("$cpu")
done

median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
echo "median of $runs runs: mapped $(median "${maps[@]}") ms, first paint $(median "${paints[@]}") ms," \
  "processor $(median "${cpus[@]}") ms"
