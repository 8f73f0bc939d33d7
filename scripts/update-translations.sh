#!/usr/bin/env bash
# Collects every tr() text of the application sources into the translation files:
#   scripts/update-translations.sh [file.ts ...]
# Without arguments it updates resources/i18n/*.ts. No source locations are written, so a
# moved line does not change the files; texts gone from the code are dropped.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
lupdate="${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt5/bin/lupdate)}"
cd "$root"
if [ $# -eq 0 ]; then
    set -- resources/i18n/*.ts
fi
"$lupdate" -silent -I . -locations none -no-obsolete \
    app cli core gui -ts "$@"
