#!/usr/bin/env bash
# Checks the desktop entry, the metadata and the file types with the
# desktop's own tools, where they are installed.
#   desktop_files_test.sh RESOURCES/desktop
set -euo pipefail
folder=$1
id=org.zarnikfield.Zarnikfield
checked=0

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$folder/$id.desktop"
  checked=1
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$folder/$id.metainfo.xml"
  checked=1
fi
if command -v update-mime-database >/dev/null; then
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  mkdir -p "$work/mime/packages"
  cp "$folder/zarnikfield-mime.xml" "$work/mime/packages/zarnikfield.xml"
  output=$(XDG_DATA_DIRS=$work update-mime-database "$work/mime" 2>&1)
  if [ -n "$output" ]; then
    echo "$output" >&2
    exit 1
  fi
  for type in program project; do
    test -f "$work/mime/application/x-zarnikfield-$type.xml"
  done
  # The magic texts are the files' own header texts.
  grep -aq 'Zarnikfield GO PROGRAM' "$work/mime/magic"
  grep -aq 'Zarnikfield PROJECT' "$work/mime/magic"
  checked=1
fi
[ "$checked" -eq 1 ] || exit 77
