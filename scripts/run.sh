#!/usr/bin/env bash
# Sets everything up, builds, creates the demo database when it is missing and
# opens the main window on it, started the way the suite's menu starts it.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${TARQUEL_BUILD:-$here/build}"
"$here/scripts/setup.sh"

datos="$here/demo/datos"
if [ ! -f "$datos/DEMO.db" ] || [ ! -f "$datos/QD_ESTADISTICAS.db" ]; then
  mkdir -p "$datos"
  "$build/bin/tarquel_demo" --carpeta "$datos" --base DEMO
fi

# The server is the demo folder (an absolute path after the alias "sqlite/");
# the password equal to the database name vouches for the user.
parametros=" ; @server=sqlite/$datos; @dbname=DEMO; @usuario=ANA; @Password=DEMO; @ParametroAdicional=; brev@ ; @UsuarioLogeado = ANA; @Caja=1;"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${TARQUEL_CAPTURA:-}" ]; then
  if [ "${QT_QPA_PLATFORM:-}" != "offscreen" ]; then
    echo "run: no hay pantalla (DISPLAY vacío): la ventana no se puede mostrar." >&2
    echo "run: ejecútelo en un escritorio, o bajo Xvfb:  xvfb-run -a $0" >&2
    echo "run: o guarde una imagen de la ventana:  TARQUEL_CAPTURA=ventana.png $0" >&2
    exit 2
  fi
fi
if [ -n "${TARQUEL_CAPTURA:-}" ] && [ -z "${DISPLAY:-}" ]; then
  export QT_QPA_PLATFORM=offscreen
fi
exec "$build/bin/tarquel" "$parametros"
