#!/usr/bin/env bash
# Installs the build into a temporary root, then starts the installed zfield
# and zarnikfield from there with a bundled project: both must find the
# program's files beside their own place, and the options file must go to
# the user's configuration folder, never beside the programs.
#   installed_programs_test.sh BUILD_FOLDER
set -euo pipefail
build=$1
work=$(mktemp -d)
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

root=$work/root
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
bin=$root/usr/bin
share=$root/usr/share/zarnikfield
test -x "$bin/zarnikfield" && test -x "$bin/zfield" && test -x "$bin/zarnik-emulator"
test -f "$share/example/gridmat.zfp"
# The desktop program starts the launcher from its program folder.
if [ -e "$bin/zflaunch" ]; then
  test -x "$share/zflaunch"
  test -d "$share/help"
fi
test -f "$root/usr/share/applications/org.zarnikfield.Zarnikfield.desktop"
test -f "$root/usr/share/mime/packages/zarnikfield.xml"
for size in 16 32 48 256; do
  test -f "$root/usr/share/icons/hicolor/${size}x${size}/apps/org.zarnikfield.Zarnikfield.png"
  test -f "$root/usr/share/icons/hicolor/${size}x${size}/mimetypes/application-x-zarnikfield-program.png"
done

# A school's read-only defaults beside the program, with a speed to repair.
printf '[zarnik]\r\nspeed=0\r\n' >"$share/zfield.ini"
chmod 444 "$share/zfield.ini"
defaults=$(cat "$share/zfield.ini")

export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
export XDG_DOCUMENTS_DIR=$work/Documents QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$XDG_DOCUMENTS_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
workFolder="$XDG_DOCUMENTS_DIR/Zarnikfield Work"

# zfield: the bundled project is known as one (it is copied into the work
# folder before it opens) and its pictures are found.
"$bin/zfield" run "$share/example/square.gop" --project "$share/example/gridmat.zfp" \
  --instant -o "$work/run.png" >"$work/zfield.out"
test -s "$work/run.png"
test -f "$workFolder/gridmat.zfp"
rm -rf "$workFolder"

# The installed languages are found from bin: no "no language" message.
for qm in "$build"/app/translations/zarnikfield_*.qm; do
  code=${qm##*/zarnikfield_}
  code=${code%.qm}
  [ "$code" = pseudo ] && continue
  test -f "$share/translations/zarnikfield_$code.qm"
  "$bin/zfield" --lang "$code" --version >/dev/null 2>"$work/lang.err"
  if [ -s "$work/lang.err" ]; then
    cat "$work/lang.err" >&2
    exit 1
  fi
done

# zarnikfield: the same for the desktop program, which also repairs the speed
# into the user's own options file.
"$bin/zarnikfield" "$share/example/gridmat.zfp" >"$work/zarnikfield.out" 2>&1 &
pid=$!
options=$XDG_CONFIG_HOME/zarnikfield/zfield.ini
for _ in $(seq 300); do
  [ -f "$options" ] && [ -f "$workFolder/gridmat.zfp" ] && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if ! [ -f "$options" ] || ! [ -f "$workFolder/gridmat.zfp" ]; then
  echo "zarnikfield did not open the bundled project or write its options" >&2
  cat "$work/zarnikfield.out" >&2
  exit 1
fi
grep -q '^speed=2' "$options"
# A second start hands over to the running window and ends at once.
timeout 20 "$bin/zarnikfield"
kill "$pid"
wait "$pid" 2>/dev/null || true
pid=

[ "$(cat "$share/zfield.ini")" = "$defaults" ]
test ! -e "$bin/zfield.ini"
