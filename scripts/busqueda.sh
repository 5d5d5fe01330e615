#!/usr/bin/env bash
# Sets everything up, builds, and opens tarquel_busqueda, the lookup control
# over the demo database (demo/datos, generated the first time). Arguments go
# to the program (--captura, --tabla, --texto).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${TARQUEL_BUILD:-$here/build}"
"$here/scripts/setup.sh"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  if [ -n "${*:-}" ] && [[ " $* " == *" --captura "* ]]; then
    export QT_QPA_PLATFORM=offscreen
  elif [ "${QT_QPA_PLATFORM:-}" != "offscreen" ]; then
    echo "busqueda: no hay pantalla (DISPLAY vacío): la ventana no se puede mostrar." >&2
    echo "busqueda: ejecútelo en un escritorio, o bajo Xvfb:  xvfb-run -a $0" >&2
    exit 2
  fi
fi
exec "$build/bin/tarquel_busqueda" --carpeta "$here/demo/datos" "$@"
