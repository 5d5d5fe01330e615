#!/usr/bin/env bash
# Builds the libFuzzer harnesses of the parsers of outside input with clang and
# runs each for a number of seconds, one after another; not part of CI.
#
#   tests/fuzz/fuzz.sh [seconds per harness, default 60] [harness ...]
#
# Harnesses: parametros ini consultas traduccion_sqlite oracle cadena.
# The corpus grows in build-fuzz/corpus/<harness> (seeded from
# tests/fuzz/semillas); inputs that crash, hang or run out of memory are kept
# in build-fuzz/hallazgos/<harness>, and the last lines of each run in
# build-fuzz/registro/<harness>.log. Exits 1 when any harness found something.
set -euo pipefail
raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
aqui="$raiz/tests/fuzz"
build="${TARQUEL_FUZZ_BUILD:-$raiz/build-fuzz}"
segundos="${1:-60}"
shift || true
arneses=("$@")
[ "${#arneses[@]}" -eq 0 ] && arneses=(parametros ini consultas traduccion_sqlite oracle cadena)

# Optional install, apart from scripts/setup.sh: clang and its runtime, which
# carries libFuzzer (Debian packages). The project's own packages come from
# scripts/setup.sh.
opcionales=(clang libclang-rt-dev)
faltan=()
for p in "${opcionales[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || faltan+=("$p")
done
if [ "${#faltan[@]}" -gt 0 ]; then
  echo "fuzz: instalando ${faltan[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo_cmd apt-get update -qq
  $sudo_cmd apt-get install -y -qq --no-install-recommends "${faltan[@]}" >/dev/null
fi

cmake -S "$raiz" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DTARQUEL_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
objetivos=()
for a in "${arneses[@]}"; do objetivos+=("fuzz_$a"); done
cmake --build "$build" -j"$(nproc)" --target "${objetivos[@]}"

export QT_QPA_PLATFORM=offscreen
hallado=0
printf '%-18s %12s %8s %s\n' arnés ejecuciones segundos hallazgos
for a in "${arneses[@]}"; do
  corpus="$build/corpus/$a"
  hallazgos="$build/hallazgos/$a"
  mkdir -p "$corpus" "$hallazgos" "$build/registro"
  diccionario=()
  case "$a" in traduccion_sqlite | oracle) diccionario=(-dict="$aqui/sql.dict") ;; esac
  registro="$build/registro/$a.log"
  set +e
  "$build/bin/fuzz_$a" "$corpus" "$aqui/semillas/$a" "${diccionario[@]}" \
    -max_total_time="$segundos" -timeout=10 -rss_limit_mb=2048 -max_len=8192 \
    -print_final_stats=1 -artifact_prefix="$hallazgos/" >"$registro" 2>&1
  rc=$?
  set -e
  ejecuciones=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$registro" | grep -o '[0-9]*$' || true)
  tiempo=$(grep -o 'Done [0-9]* runs in [0-9]* second' "$registro" | grep -o 'in [0-9]*' | grep -o '[0-9]*' || true)
  n=$(find "$hallazgos" -type f | wc -l)
  printf '%-18s %12s %8s %s\n' "$a" "${ejecuciones:-?}" "${tiempo:-?}" "$n"
  if [ "$rc" -ne 0 ] || [ "$n" -gt 0 ]; then
    hallado=1
    tail -n 40 "$registro"
  fi
done
exit "$hallado"
