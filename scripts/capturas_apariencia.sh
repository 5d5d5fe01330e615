#!/usr/bin/env bash
# Draws docs/apariencia: the main window after a query and the access window
# in each of the five skins, headless, over the demo database. The settings
# file and the registered connections of the build folder are put back as
# they were afterwards.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${TARQUEL_BUILD:-$here/build}"
bin="$build/bin"
destino="$here/docs/apariencia"
mkdir -p "$destino"

datos="$here/demo/datos"
if [ ! -f "$datos/DEMO.db" ] || [ ! -f "$datos/QD_ESTADISTICAS.db" ]; then
  mkdir -p "$datos"
  "$bin/tarquel_demo" --carpeta "$datos" --base DEMO
fi

# What the build folder holds now comes back when the script ends.
guardar() {
  if [ -e "$bin/$1" ]; then cp -p "$bin/$1" "$bin/$1.capturas"; fi
}
reponer() {
  rm -f "$bin/$1"
  if [ -e "$bin/$1.capturas" ]; then mv "$bin/$1.capturas" "$bin/$1"; fi
}
guardar cn000pr.ini
guardar BASES.TXT
trap 'reponer cn000pr.ini; reponer BASES.TXT' EXIT

# Two registered connections for the access window's list.
printf '%s\r\n' "DEMO / SQLITE,DEMO,DEMO,,sqlite/$datos" \
  "CONTABILIDAD / SRV01,CONTABILIDAD,CONTABILIDAD,,SRV01" >"$bin/BASES.TXT"

export QT_QPA_PLATFORM=offscreen USERNAME=ANA
parametros=" ; @server=sqlite/$datos; @dbname=DEMO; @usuario=ANA; @Password=DEMO; @ParametroAdicional=; brev@ ; @UsuarioLogeado = ANA; @Caja=1;"

for par in 1:vista 2:luna 3:royale 4:itunes 0:office2007; do
  numero="${par%%:*}"
  nombre="${par#*:}"
  # The main window knows its database; the access window opened without
  # parameters does not yet. Without Segoe UI, a narrow font keeps the
  # captions of the main window inside their room.
  for seccion in ANA_DEMO ANA_; do
    printf '[%sStyles]\nStyles=%s\n[%sFont]\nFont=%s\n[%sFontSize]\nFontSize=%s\n' \
      "$seccion" "$numero" "$seccion" "${FUENTE:-DejaVu Sans Condensed}" "$seccion" "${TAMANO:-7.5}"
  done >"$bin/cn000pr.ini"
  TARQUEL_CAPTURA="$destino/principal_$nombre.png" TARQUEL_CAPTURA_EJECUTAR=1 \
    "$bin/tarquel" "$parametros"
  TARQUEL_CAPTURA_ACCESO="$destino/acceso_$nombre.png" "$bin/tarquel" || true
  echo "capturas_apariencia: $nombre"
done
