#!/usr/bin/env bash
# Draws the help books' pictures again from the program as it looks now:
# the user guide's screenshots and the activity mats. Run it from anywhere
# after a change to the look of the program, then look at the pictures and
# commit them.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD:-build}
cmake --build "$build" --target help-screenshots zf_example_project
QT_QPA_PLATFORM=offscreen "$build/tools/help-screenshots/help-screenshots" \
  "$build/app" resources/help
