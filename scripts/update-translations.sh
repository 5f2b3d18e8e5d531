#!/usr/bin/env bash
# Brings translations/*.ts up to date with the texts of the sources: new texts are added as
# unfinished, texts no longer in the sources are dropped. Translate the new ones with Qt
# Linguist (linguist translations/marklow_de.ts) or in the XML, then build: the .qm files are
# made from the .ts files at build time. The core's texts are its table in
# src/core/messages.cpp, read here under the context "core".
set -euo pipefail
cd "$(dirname "$0")/.."
# The check of the translations updates copies elsewhere.
ts_dir=${MARKLOW_TS_DIR:-translations}
lupdate=${LUPDATE:-$(command -v lupdate 2>/dev/null || echo /usr/lib/qt6/bin/lupdate)}
"$lupdate" -no-obsolete -locations none \
  -tr-function-alias QT_TRANSLATE_NOOP+=MessageText,QT_TRANSLATE_NOOP+=PhraseText \
  -extensions cpp,h src/core/messages.cpp src/ui src/reports src/charts src/document src/app \
  -ts "$ts_dir/marklow_de.ts" "$ts_dir/marklow_es.ts" "$@"
