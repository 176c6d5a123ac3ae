#!/usr/bin/env bash
# Brings every translations/zarnikfield_<code>.ts up to date with the texts in
# the sources: new texts come in unfinished, texts gone from the code go out.
# Run it after changing a text; translators then fill in the new ones.
# The core's texts reach lupdate through src/i18n/core_texts.cpp, which is
# rewritten first.
set -euo pipefail
cd "$(dirname "$0")/.."

lupdate=$(command -v lupdate || true)
if [ -z "$lupdate" ]; then
    bins=$(qtpaths6 --query QT_INSTALL_BINS 2>/dev/null || true)
    lupdate="$bins/lupdate"
fi
if [ ! -x "$lupdate" ]; then
    echo "lupdate not found: install qt6-l10n-tools (scripts/install-deps.sh)" >&2
    exit 1
fi

python3 scripts/update-core-texts.py
shopt -s nullglob
ts_files=(translations/zarnikfield_*.ts)
if [ ${#ts_files[@]} -eq 0 ]; then
    echo "no translations/zarnikfield_<code>.ts to update" >&2
    exit 1
fi
"$lupdate" -silent -no-obsolete -locations none -extensions cpp,h src app -ts "${ts_files[@]}"
