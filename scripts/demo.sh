#!/usr/bin/env bash
# The main job: builds the demo form "Cadastro de cliente" and runs it. Without a display it
# runs the scripted tour offscreen: it types into every field, prints what each one shows and
# holds, and saves a screenshot of the form (campovivo-demo.png).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/dependencias.sh
cmake --preset release >/dev/null
cmake --build --preset release --target campovivo-demo -j "$(nproc)" >/dev/null
demo=build/release/demo/campovivo-demo

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ "${1:-}" != "--tour" ]; then
  exec "$demo"
fi
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
QT_QPA_PLATFORM=offscreen exec "$demo" --tour --captura "${CAPTURA:-campovivo-demo.png}"
