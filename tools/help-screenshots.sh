#!/usr/bin/env bash
# Draws the help books' pictures again from the program as it looks now:
# the user guide's screenshots and the activity mats. Run it from anywhere
# after a change to the look of the program, then look at the pictures and
# commit them.
#   tools/help-screenshots.sh [CODE...]
# draws the English pictures, or those of each language named (en de fr es
# ar ...), the translated user guide's into resources/help/CODE/zfieldug/images.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD:-build}
languages=("$@")
[ ${#languages[@]} -gt 0 ] || languages=(en)
cmake --build "$build" --target help-screenshots zf_example_project zf_translations
for code in "${languages[@]}"; do
  QT_QPA_PLATFORM=offscreen "$build/app/help-screenshots" --lang "$code" \
    "$build/app" resources/help
done
